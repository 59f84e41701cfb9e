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
    // Views stay valid until the record changes or the cursor moves.
    std::string_view addressView() const { return view(user::kAddress); }
    std::string_view nameView() const { return view(user::kName); }
    void setAddress(std::string_view value) { setText(user::kAddress, value); }
    void setName(std::string_view value) { setText(user::kName, value); }
};

} // namespace morva::db
