#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace morva::db {

// The byte layouts of the gateway's record files, one table per file. The
// engine frames and blanks records from these tables, the typed accessors
// read their fields from them, and the tests and the documentation check
// against them. Offsets count from 0 inside a record; the length includes
// the closing CR LF.

enum class FieldKind
{
    Text,    // left-aligned, padded with spaces
    Number,  // decimal, right-aligned, padded with spaces
    Flag,    // "*" true, space false
    Gateway, // the gateway's bytes: never read or written by the console
};

struct Field
{
    std::uint32_t offset;
    std::uint32_t width;
    FieldKind kind;
    std::string_view name;
};

struct RecordLayout
{
    std::string_view fileName;
    std::uint32_t length;                      // L
    std::uint32_t cacheRecords;                // C: records read ahead per block, 0 = no cache
    std::span<const std::uint32_t> separators; // "|" positions
    Field reserved;                            // blanked before every write
    std::span<const Field> fields;             // deleted marker first
};

// Common to every file: "|" at 0 and 2, the deleted marker at 1.
inline constexpr Field kDeletedMarker{1, 1, FieldKind::Flag, "deleted"};

namespace alias {
inline constexpr Field kForwardAddress{3, 128, FieldKind::Text, "forward address"};
inline constexpr Field kTargetAddress{132, 128, FieldKind::Text, "target address"};
inline constexpr Field kDeliverAfterForwarding{261, 1, FieldKind::Flag, "deliver to original"};
} // namespace alias

namespace block {
inline constexpr Field kType{3, 3, FieldKind::Number, "block type"};
inline constexpr Field kValue{7, 128, FieldKind::Text, "blocked value"};
inline constexpr Field kSecondNumber{136, 3, FieldKind::Number, "second number"};
} // namespace block

namespace user {
inline constexpr Field kAddress{3, 128, FieldKind::Text, "e-mail address"};
inline constexpr Field kName{132, 30, FieldKind::Text, "user name"};
inline constexpr Field kGatewayByte{252, 1, FieldKind::Gateway, "left as read"};
} // namespace user

extern const RecordLayout kAliaLayout; // DataAlia.DAT, forwarding
extern const RecordLayout kBlocLayout; // DataBloc.DAT, SMTP blocking
extern const RecordLayout kUserLayout; // DataUser.DAT, addresses on Exchange
extern const RecordLayout kDummLayout; // DataDumm.DAT, held open only
extern const RecordLayout kConfLayout; // DATACONF.DAT, the gateway's own record

// The five layouts in the order the data set opens them.
std::span<const RecordLayout* const> allLayouts();

} // namespace morva::db
