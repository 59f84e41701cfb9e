// morvactl config find: the console's settings search from the command line.
#include "cli/ConfigCommandParts.h"
#include "config/ConfigStore.h"
#include "confui/Catalogue.h"
#include "confui/browser/SettingsIndex.h"
#include "confui/browser/SettingsSearch.h"
#include "platform/RegionalLanguage.h"
#include "resources/Texts.h"

#include <ostream>

namespace morva::cli {

namespace {

int findUsage(Context& context)
{
    context.err << "usage: morvactl config find [--language ENG|DEU|FRA|ITA|SPA] TEXT...\n";
    return kExitUsage;
}

// The language a --language code names; -1 for a code the console has no
// texts for.
int namedLanguage(std::string code)
{
    for (char& c : code)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    for (int language = 0; language < kLanguageCount; ++language)
        if (code == languageCode(language))
            return language;
    return code == "ESP" ? Spanish : -1;
}

std::string shownText(const std::string& id, int language)
{
    return id.empty() ? std::string() : confui::plainLabel(text(id, language));
}

} // namespace

int configFind(Context& context, const config::ConfigStore& store)
{
    int language = -1;
    std::string query;
    for (std::size_t i = 1; i < context.args.size(); ++i) {
        const std::string& arg = context.args[i];
        std::string code;
        if (arg == "--language") {
            if (i + 1 >= context.args.size())
                return findUsage(context);
            code = context.args[++i];
        } else if (arg.rfind("--language=", 0) == 0) {
            code = arg.substr(11);
        } else {
            if (!query.empty())
                query += ' ';
            query += arg;
            continue;
        }
        language = namedLanguage(code);
        if (language < 0) {
            context.err << "morvactl: unknown language '" << code << "'\n";
            return findUsage(context);
        }
    }
    if (query.empty())
        return findUsage(context);
    if (language < 0) // as the console chooses
        language = chooseLanguage(store.getString("Language"), kAllLanguages,
                                  platform::makeSystemRegionalLanguage()->languageCode());

    const confui::SettingsIndex index(store, confui::catalogue());
    confui::SettingsSearch search(index);
    search.setValues(store);
    const auto hits = search.find(query, language);
    if (hits.empty()) {
        context.err << "morvactl: no key matches '" << query << "'\n";
        const auto near = search.nearestKeys(query);
        if (!near.empty()) {
            context.err << "did you mean:";
            for (const std::string& key : near)
                context.err << " " << key;
            context.err << "\n";
        }
        return kExitFailure;
    }
    for (const confui::SearchHit& hit : hits) {
        const confui::SettingInfo& setting = index.at(hit.setting);
        context.out << setting.key << '\t';
        if (!setting.places.empty()) {
            const confui::SettingPlace& place = setting.places.front();
            const std::string label = shownText(place.label, language);
            context.out << shownText(place.pageCaption, language) << '\t'
                        << (label.empty() ? shownText(place.group, language) : label);
        } else {
            context.out << '\t';
        }
        context.out << '\n';
    }
    return kExitOk;
}

} // namespace morva::cli
