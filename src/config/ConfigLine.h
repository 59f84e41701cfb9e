#pragma once

#include <string_view>

namespace morva::config {

// One line of "Morva.ini" split into key, value and comment. The views point
// into the line given to parseConfigLine.
struct ConfigLine
{
    bool hasKey = false;
    std::string_view key;     // white space removed at both ends
    std::string_view value;   // white space removed at both ends
    std::string_view comment; // as it stands after the semicolon
};

// Splits a line (blanks already removed at both ends). The key runs to the
// first "="; a double quote directly after "=" opens a quoted value in which
// ";" is an ordinary byte; otherwise, when `recognizeComments` is set, a ";"
// in the value (not as its first byte) starts the comment. A line starting
// with ";" is a comment line without key.
ConfigLine parseConfigLine(std::string_view line, bool recognizeComments);

// Removes blanks (0x20 only) at both ends.
std::string_view trimBlanks(std::string_view text);

} // namespace morva::config
