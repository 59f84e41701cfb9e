#pragma once

#include "db/LayoutRecordFile.h"

namespace morva::db {

// The addresses Exchange is responsible for (DataUser.DAT).
class DataUserFile final : public LayoutRecordFile
{
public:
    DataUserFile(platform::FileSystem& fs, const std::string& programDir)
        : LayoutRecordFile(fs, programDir, kUserLayout)
    {
    }

    std::string address() const { return text(user::kAddress); }
    std::string name() const { return text(user::kName); }
    void setAddress(std::string_view value) { setText(user::kAddress, value); }
    void setName(std::string_view value) { setText(user::kName, value); }
};

} // namespace morva::db
