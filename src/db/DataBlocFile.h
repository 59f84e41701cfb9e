#pragma once

#include "db/LayoutRecordFile.h"

namespace morva::db {

// The SMTP blocking records (DataBloc.DAT).
class DataBlocFile final : public LayoutRecordFile
{
public:
    DataBlocFile(platform::FileSystem& fs, const std::string& programDir)
        : LayoutRecordFile(fs, programDir, kBlocLayout)
    {
    }

    // 0 IP address, 1 host name, 2 MAIL FROM address, 3 MAIL FROM domain.
    std::int64_t type() const { return number(block::kType); }
    std::string value() const { return text(block::kValue); }
    // Valid until the record changes or the cursor moves.
    std::string_view valueView() const { return view(block::kValue); }
    std::int64_t secondNumber() const { return number(block::kSecondNumber); }
    void setType(std::int64_t value) { setNumber(block::kType, value); }
    void setValue(std::string_view value) { setText(block::kValue, value); }
    void setSecondNumber(std::int64_t value) { setNumber(block::kSecondNumber, value); }
};

} // namespace morva::db
