#pragma once

#include "db/LayoutRecordFile.h"

namespace morva::db {

// DATACONF.DAT: the gateway's own record. The console only frames it and
// blanks its reserved field; the gateway's fields keep their bytes.
class DataConfFile final : public LayoutRecordFile
{
public:
    DataConfFile(platform::FileSystem& fs, const std::string& programDir)
        : LayoutRecordFile(fs, programDir, kConfLayout)
    {
    }
};

} // namespace morva::db
