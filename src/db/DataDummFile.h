#pragma once

#include "db/LayoutRecordFile.h"

namespace morva::db {

// DataDumm.DAT: held open with the other files, never edited. Its being open
// is the data set's test of whether the data set is open.
class DataDummFile final : public LayoutRecordFile
{
public:
    DataDummFile(platform::FileSystem& fs, const std::string& programDir)
        : LayoutRecordFile(fs, programDir, kDummLayout)
    {
    }
};

} // namespace morva::db
