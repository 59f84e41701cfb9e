#pragma once

#include "db/LayoutRecordFile.h"

namespace morva::db {

// The forwarding records (DataAlia.DAT).
class DataAliaFile final : public LayoutRecordFile
{
public:
    DataAliaFile(platform::FileSystem& fs, const std::string& programDir)
        : LayoutRecordFile(fs, programDir, kAliaLayout)
    {
    }

    std::string forwardAddress() const { return text(alias::kForwardAddress); }
    std::string targetAddress() const { return text(alias::kTargetAddress); }
    // Views stay valid until the record changes or the cursor moves.
    std::string_view forwardAddressView() const { return view(alias::kForwardAddress); }
    std::string_view targetAddressView() const { return view(alias::kTargetAddress); }
    bool deliverAfterForwarding() const { return flag(alias::kDeliverAfterForwarding); }
    void setForwardAddress(std::string_view value) { setText(alias::kForwardAddress, value); }
    void setTargetAddress(std::string_view value) { setText(alias::kTargetAddress, value); }
    void setDeliverAfterForwarding(bool value) { setFlag(alias::kDeliverAfterForwarding, value); }
};

} // namespace morva::db
