#include "records/PairedListKinds.h"

namespace morva::records {

namespace {

constexpr EntryFieldKind kText = EntryFieldKind::Text;

} // namespace

const PairedListKind& translateDomainList()
{
    static const PairedListKind kind{
        "TransList",
        "records.transDomain",
        "SMTPAddressTranslationDomainSource",
        "SMTPAddressTranslationDomainTarget",
        "records.col.fromDomain",
        "records.col.toDomain",
        "records.deleteTranslation",
        {"TransDomain",
         "records.transDomain",
         "records.group.inboundTranslate",
         "records.desc.transDomain",
         {{"records.field.domain", kText}, {"records.field.toDomain", kText}}}};
    return kind;
}

const PairedListKind& translateMailboxList()
{
    static const PairedListKind kind{
        "TransList",
        "records.transUser",
        "SMTPAddressTranslationUserSource",
        "SMTPAddressTranslationUserTarget",
        "records.col.fromMailbox",
        "records.col.toMailbox",
        "records.deleteTranslation",
        {"TransUser",
         "records.transUser",
         "records.group.inboundTranslate",
         "records.desc.transUser",
         {{"records.field.mailbox", kText}, {"records.field.toMailbox", kText}}}};
    return kind;
}

const PairedListKind& translateDomainToAddressList()
{
    static const PairedListKind kind{
        "TransList",
        "records.transDomainAdr",
        "SMTPAddressTranslationDomainAdrSource",
        "SMTPAddressTranslationDomainAdrTarget",
        "records.col.fromDomain",
        "records.col.toAddress",
        "records.deleteTranslation",
        {"TransDomainAdr",
         "records.transDomainAdr",
         "records.group.inboundTranslate",
         "records.desc.transDomainAdr",
         {{"records.field.domain", kText}, {"records.field.toAddress", EntryFieldKind::Address}}}};
    return kind;
}

const PairedListKind& rewriteDomainList()
{
    static const PairedListKind kind{
        "RewriteList",
        "records.rewriteDomain",
        "SMTPAddressRewriteDomainSource",
        "SMTPAddressRewriteDomainTarget",
        "records.col.fromDomain",
        "records.col.toDomain",
        "records.deleteRewrite",
        {"RewriteDomain",
         "records.rewriteDomain",
         "records.group.outboundRewrite",
         "records.desc.rewriteDomain",
         {{"records.field.domain", kText}, {"records.field.toDomain", kText}}}};
    return kind;
}

const PairedListKind& rewriteMailboxList()
{
    static const PairedListKind kind{
        "RewriteList",
        "records.rewriteUser",
        "SMTPAddressRewriteUserSource",
        "SMTPAddressRewriteUserTarget",
        "records.col.fromMailbox",
        "records.col.toMailbox",
        "records.deleteRewrite",
        {"RewriteUser",
         "records.rewriteUser",
         "records.group.outboundRewrite",
         "records.desc.rewriteUser",
         {{"records.field.mailbox", kText}, {"records.field.toMailbox", kText}}}};
    return kind;
}

} // namespace morva::records
