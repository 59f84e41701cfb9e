#include "config/ValueKind.h"

namespace morva::config {

const char* valueKindName(ValueKind kind)
{
    switch (kind) {
    case ValueKind::String:
        return "String";
    case ValueKind::Int:
        return "Int";
    case ValueKind::Bool:
        return "Bool";
    case ValueKind::StringList:
        return "StringList";
    case ValueKind::TextList:
        return "TextList";
    case ValueKind::NetList:
        return "NetList";
    }
    return "?";
}

} // namespace morva::config
