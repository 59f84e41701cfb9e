#pragma once

namespace morva::config {

// The kind of a configuration value; the order is the index of the value in
// ConfigValue.
enum class ValueKind
{
    String,
    Int,
    Bool,
    StringList,
    TextList,
    NetList
};

// "String", "Int", "Bool", "StringList", "TextList", "NetList".
const char* valueKindName(ValueKind kind);

inline bool isListKind(ValueKind kind)
{
    return kind == ValueKind::StringList || kind == ValueKind::TextList ||
           kind == ValueKind::NetList;
}

} // namespace morva::config
