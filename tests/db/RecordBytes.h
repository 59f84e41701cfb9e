#pragma once

#include <string>

namespace morva::test {

// Builders for expected record bytes, written out by hand from the gateway's
// record formats so that tests do not lean on the engine's own tables.
inline std::string padded(const std::string& value, std::size_t width)
{
    std::string field = value.substr(0, width);
    field.resize(width, ' ');
    return field;
}

inline std::string rightAligned(const std::string& value, std::size_t width)
{
    return std::string(width - value.size(), ' ') + value;
}

inline std::string aliasRecord(const std::string& from, const std::string& to, bool deliver,
                               bool deleted = false)
{
    return std::string("|") + (deleted ? "*" : " ") + "|" + padded(from, 128) + "|" +
           padded(to, 128) + "|" + (deliver ? "*" : " ") + "|" + std::string(118, ' ') + "|\r\n";
}

inline std::string blockRecord(int type, const std::string& value, bool deleted = false)
{
    return std::string("|") + (deleted ? "*" : " ") + "|" + rightAligned(std::to_string(type), 3) +
           "|" + padded(value, 128) + "|" + rightAligned("0", 3) + "|" + std::string(113, ' ') +
           "|\r\n";
}

inline std::string userRecord(const std::string& address, const std::string& name,
                              char byte252 = ' ', bool deleted = false)
{
    return std::string("|") + (deleted ? "*" : " ") + "|" + padded(address, 128) + "|" +
           padded(name, 30) + "|" + std::string(88, ' ') + "|" + byte252 + "|\r\n";
}

inline std::string blankConfRecord()
{
    std::string record(256, ' ');
    for (int at : {0, 2, 4, 55, 66, 77, 88, 99, 110, 121, 123, 253})
        record[static_cast<std::size_t>(at)] = '|';
    record[254] = '\r';
    record[255] = '\n';
    return record;
}

} // namespace morva::test
