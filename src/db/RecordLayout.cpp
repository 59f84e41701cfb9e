#include "db/RecordLayout.h"

namespace morva::db {

namespace {

constexpr std::uint32_t kAliaSeparators[] = {0, 2, 131, 260, 262, 381};
constexpr Field kAliaFields[] = {kDeletedMarker, alias::kForwardAddress, alias::kTargetAddress,
                                 alias::kDeliverAfterForwarding};

constexpr std::uint32_t kBlocSeparators[] = {0, 2, 6, 135, 139, 253};
constexpr Field kBlocFields[] = {kDeletedMarker, block::kType, block::kValue, block::kSecondNumber};

constexpr std::uint32_t kUserSeparators[] = {0, 2, 131, 162, 251, 253};
constexpr Field kUserFields[] = {kDeletedMarker, user::kAddress, user::kName, user::kGatewayByte};

constexpr std::uint32_t kDummSeparators[] = {0, 2, 61};
constexpr Field kDummFields[] = {kDeletedMarker};

constexpr std::uint32_t kConfSeparators[] = {0, 2, 4, 55, 66, 77, 88, 99, 110, 121, 123, 253};
constexpr Field kConfFields[] = {
    kDeletedMarker,
    {3, 1, FieldKind::Gateway, "gateway byte 3"},
    {5, 50, FieldKind::Gateway, "gateway text"},
    {56, 10, FieldKind::Gateway, "gateway field 1"},
    {67, 10, FieldKind::Gateway, "gateway field 2"},
    {78, 10, FieldKind::Gateway, "gateway field 3"},
    {89, 10, FieldKind::Gateway, "gateway field 4"},
    {100, 10, FieldKind::Gateway, "gateway field 5"},
    {111, 10, FieldKind::Gateway, "gateway field 6"},
    {122, 1, FieldKind::Gateway, "gateway byte 122"},
};

} // namespace

const RecordLayout kAliaLayout{
    "DataAlia.DAT", 384, 100, kAliaSeparators, {263, 118, FieldKind::Text, "reserved"},
    kAliaFields};
const RecordLayout kBlocLayout{
    "DataBloc.DAT", 256, 100, kBlocSeparators, {140, 113, FieldKind::Text, "reserved"},
    kBlocFields};
const RecordLayout kUserLayout{
    "DataUser.DAT", 256, 100, kUserSeparators, {163, 88, FieldKind::Text, "reserved"}, kUserFields};
const RecordLayout kDummLayout{
    "DataDumm.DAT", 64, 100, kDummSeparators, {3, 58, FieldKind::Text, "reserved"}, kDummFields};
const RecordLayout kConfLayout{
    "DATACONF.DAT", 256, 0, kConfSeparators, {124, 129, FieldKind::Text, "reserved"}, kConfFields};

std::span<const RecordLayout* const> allLayouts()
{
    static const RecordLayout* const kAll[] = {&kDummLayout, &kUserLayout, &kAliaLayout,
                                               &kBlocLayout, &kConfLayout};
    return kAll;
}

} // namespace morva::db
