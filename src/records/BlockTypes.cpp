#include "records/BlockTypes.h"

namespace morva::records {

std::string_view blockTypeTextId(std::int64_t type)
{
    switch (type) {
    case 0:
        return "records.type.ip";
    case 1:
        return "records.type.host";
    case 2:
        return "records.type.mailFrom";
    case 3:
        return "records.type.mailDomain";
    default:
        return "records.type.unknown";
    }
}

} // namespace morva::records
