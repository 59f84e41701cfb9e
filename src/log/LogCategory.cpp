#include "log/LogCategory.h"

#include "log/LogFilter.h"

#include <string>

namespace morva::log {

namespace {

enum class Where
{
    Start,    // the activity starts with the text
    Anywhere, // the text stands anywhere in it
    SmtpCode, // an SMTP reply "dNN " starting with the digit given as text
};

struct CategoryPattern
{
    LogCategory category;
    Where where;
    std::string_view text; // small letters: matched against the folded text
};

// The one table of the categories, tried from the top. Virus findings come
// first (their lines also say "forwarded"), then rejections (a spam verdict
// may name the junk folder it was moved to), gateway problems, deliveries
// and last the opening of sessions. An entry of None ends the search with no
// category.
constexpr CategoryPattern kPatterns[] = {
    // The statistics dump names every counter ("Viruses found: 3").
    {LogCategory::None, Where::Start, "statistics:"},

    {LogCategory::Virus, Where::Start, "virus"},
    {LogCategory::Virus, Where::Anywhere, " found"},
    {LogCategory::Virus, Where::Anywhere, "infected"},
    {LogCategory::Virus, Where::Anywhere, "malware"},

    {LogCategory::Rejection, Where::SmtpCode, "5"},
    {LogCategory::Rejection, Where::Start, "spam:"},
    {LogCategory::Rejection, Where::Anywhere, "rejected"},
    {LogCategory::Rejection, Where::Anywhere, "blocked"},
    {LogCategory::Rejection, Where::Anywhere, "refused"},
    {LogCategory::Rejection, Where::Anywhere, "denied"},
    {LogCategory::Rejection, Where::Anywhere, "discarded"},
    {LogCategory::Rejection, Where::Anywhere, "unknown recipient"},
    {LogCategory::Rejection, Where::Anywhere, "blacklisted"},

    {LogCategory::Problem, Where::SmtpCode, "4"},
    {LogCategory::Problem, Where::Anywhere, "error"},
    {LogCategory::Problem, Where::Anywhere, "warning"},
    {LogCategory::Problem, Where::Anywhere, "failed"},
    {LogCategory::Problem, Where::Anywhere, "failure"},
    {LogCategory::Problem, Where::Anywhere, "unable to"},
    {LogCategory::Problem, Where::Anywhere, "cannot"},
    {LogCategory::Problem, Where::Anywhere, "timeout"},
    {LogCategory::Problem, Where::Anywhere, "timed out"},

    {LogCategory::Delivery, Where::Start, "delivered"},
    {LogCategory::Delivery, Where::Anywhere, ", delivered "},
    {LogCategory::Delivery, Where::Anywhere, "queued mail for delivery"},

    {LogCategory::Connection, Where::Start, "connection accepted"},
    {LogCategory::Connection, Where::Start, "connected to"},
    {LogCategory::Connection, Where::Start, "outbound delivery of"},
    {LogCategory::Connection, Where::Start, "connection from"},
};

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool matches(const CategoryPattern& pattern, std::string_view folded)
{
    switch (pattern.where) {
    case Where::Start:
        return folded.starts_with(pattern.text);
    case Where::Anywhere:
        return folded.find(pattern.text) != std::string_view::npos;
    case Where::SmtpCode:
        return folded.size() >= 4 && folded[0] == pattern.text[0] && isDigit(folded[1]) &&
               isDigit(folded[2]) && (folded[3] == ' ' || folded[3] == '-');
    }
    return false;
}

} // namespace

LogCategory categorizeActivity(std::string_view activity)
{
    thread_local std::string folded;
    foldCase(activity.substr(0, kCategorizedBytes), folded);
    for (const CategoryPattern& pattern : kPatterns)
        if (matches(pattern, folded))
            return pattern.category;
    return LogCategory::None;
}

} // namespace morva::log
