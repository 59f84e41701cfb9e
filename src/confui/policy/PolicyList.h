#pragma once

#include "confui/policy/PolicyEntryCodec.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace morva::confui {

// What one field of a policy entry holds; decides its control and its check.
enum class PolicyFieldKind
{
    AddressPattern, // e-mail address or pattern with * and ?, or * alone
    HostPattern,    // host name, domain or IP address, wildcards allowed
    Domain,         // a DNS domain name
    Selector,       // a DKIM selector (DNS labels)
    Certificate,    // a *.pem file name from a certificate directory
    Password,       // free text, may be empty
    Flag,           // "0" or "1", shown as a checkbox
    Choice,         // one of `choices`, shown as a combo
};

// The certificate directories of the data set that a certificate field
// offers its files from.
enum class CertificateDir
{
    None,
    SmimePublic,
    SmimePrivate,
    DkimPrivate
};

// The entry the certificate lists offer for "no fixed certificate".
inline constexpr std::string_view kVoidCertificate = "!!void-certificate!!";

struct PolicyChoice
{
    const char* value;  // stored text of the field
    const char* textId; // label in the combo
};

struct PolicyField
{
    const char* labelId; // column header and dialog label
    PolicyFieldKind kind;
    CertificateDir certDir = CertificateDir::None;
    bool allowVoid = false; // certificate fields: kVoidCertificate allowed
    std::vector<PolicyChoice> choices = {};
    const char* defaultValue = "";
};

// One policy list key with the dialog that edits its entries. The entries,
// in the text form of PolicyEntryCodec.h, hold these fields:
//   InboundSMIMESign    sender pattern, certificate (PUB or void)
//   OutboundSMIMESign   sender pattern, certificate (PRIV), key password
//   InboundSMIMECrypt   recipient pattern, certificate (PRIV), key password
//   OutboundSMIMECrypt  recipient pattern, certificate (PUB or void)
//   InboundSMIMEPolicy  sender pattern, signature required 0/1, encryption
//                       required 0/1, inbound action code (0..8)
//   OutboundSMIMEPolicy recipient pattern, signature 0/1, encryption 0/1,
//                       outbound action (0 discard, 1 encapsulate to
//                       postmaster, 2 non-delivery report)
//   InboundSMTPTLS      client IP or host pattern, optional|required|verify
//   OutboundSMTPTLS     destination domain or host pattern, the same modes
//   OutboundDKIMSign    domain, selector, private key file (DKIM PRIV)
// "void" is "!!void-certificate!!": no fixed certificate (the certificate
// collected from signed mail). Missing trailing fields read as defaults.
struct PolicyList
{
    const char* key;
    const char* page;   // page that shows the list
    const char* dialog; // entry dialog class or template name
    const char* captionId;
    std::vector<PolicyField> fields;
    // The key keeps per-entry comments. Keys read without comment syntax
    // would take " ;comment" back as part of the value, so they get none.
    bool comments = false;
};

std::span<const PolicyList> policyLists();
const PolicyList* findPolicyList(std::string_view key);

enum class PolicyError
{
    None,
    Blank,
    BadCharacter, // control character, or semicolon in a list with comments
    BadAddress,
    BadHost,
    BadDomain,
    BadSelector,
    BadCertificate,
    VoidNotAllowed,
    BadChoice,
    FieldCount,
};

struct PolicyCheck
{
    int field = -1; // index of the failing field, -1 when the entry as a whole
    PolicyError error = PolicyError::None;
    bool ok() const { return error == PolicyError::None; }
};

PolicyCheck checkPolicyField(const PolicyList& list, const PolicyField& field,
                             std::string_view value);
PolicyCheck checkPolicyEntry(const PolicyList& list, const PolicyFields& fields);

// The text id of the message for a failed check.
const char* policyErrorTextId(PolicyError error);

// The fields of a stored entry, padded with the defaults of missing trailing
// fields. Nothing when the entry cannot be read or has too many fields: the
// caller then keeps the stored text as it is.
std::optional<PolicyFields> readPolicyEntry(const PolicyList& list, std::string_view text);

} // namespace morva::confui
