#include "confui/policy/PolicyList.h"

#include <algorithm>
#include <cctype>

namespace morva::confui {

namespace {

// Inbound actions in the order the action combos show them.
std::vector<PolicyChoice> inboundActions()
{
    return {{"0", "confui.action.0"}, {"4", "confui.action.4"}, {"5", "confui.action.5"},
            {"7", "confui.action.7"}, {"1", "confui.action.1"}, {"6", "confui.action.6"},
            {"2", "confui.action.2"}, {"3", "confui.action.3"}, {"8", "confui.action.8"}};
}

std::vector<PolicyChoice> outboundActions()
{
    return {{"0", "confui.outAction.0"}, {"1", "confui.outAction.1"}, {"2", "confui.outAction.2"}};
}

std::vector<PolicyChoice> tlsModes()
{
    return {{"optional", "confui.pol.tlsOptional"},
            {"required", "confui.pol.tlsRequired"},
            {"verify", "confui.pol.tlsVerify"}};
}

PolicyField address(const char* labelId)
{
    return {labelId, PolicyFieldKind::AddressPattern};
}

PolicyField certificate(CertificateDir dir, bool allowVoid)
{
    return {"confui.pol.fCertificate", PolicyFieldKind::Certificate, dir, allowVoid};
}

PolicyField password()
{
    return {"confui.pol.fPassword", PolicyFieldKind::Password};
}

PolicyField flag(const char* labelId, const char* def)
{
    return {labelId, PolicyFieldKind::Flag, CertificateDir::None, false, {}, def};
}

PolicyField choice(const char* labelId, std::vector<PolicyChoice> choices, const char* def)
{
    return {labelId, PolicyFieldKind::Choice, CertificateDir::None, false, std::move(choices), def};
}

const std::vector<PolicyList>& allLists()
{
    static const std::vector<PolicyList> lists = {
        {"InboundSMIMESign",
         "IniSMIMEVrfy",
         "Cwm_SMIMECertEditDlg",
         "confui.pol.capVrfy",
         {address("confui.pol.fSender"), certificate(CertificateDir::SmimePublic, true)}},
        {"OutboundSMIMESign",
         "IniSMIMESign",
         "Cwm_SMIMECertEditDlg",
         "confui.pol.capSign",
         {address("confui.pol.fSender"), certificate(CertificateDir::SmimePrivate, false),
          password()}},
        {"InboundSMIMECrypt",
         "IniSMIMEDecr",
         "Cwm_SMIMEDecrEditDlg",
         "confui.pol.capDecr",
         {address("confui.pol.fRecipient"), certificate(CertificateDir::SmimePrivate, false),
          password()}},
        {"OutboundSMIMECrypt",
         "IniSMIMEEncr",
         "Cwm_SMIMECertEditDlg",
         "confui.pol.capEncr",
         {address("confui.pol.fRecipient"), certificate(CertificateDir::SmimePublic, true)}},
        {"InboundSMIMEPolicy",
         "IniSMIMEInPol",
         "Cwm_SMIMEPolDlg",
         "confui.pol.capInPol",
         {address("confui.pol.fSender"), flag("confui.pol.fNeedSigned", "1"),
          flag("confui.pol.fNeedEncrypted", "0"),
          choice("confui.pol.fAction", inboundActions(), "4")}},
        {"OutboundSMIMEPolicy",
         "IniSMIMEOutPol",
         "Cwm_SMIMEPolDlg",
         "confui.pol.capOutPol",
         {address("confui.pol.fRecipient"), flag("confui.pol.fNeedSigned", "1"),
          flag("confui.pol.fNeedEncrypted", "0"),
          choice("confui.pol.fAction", outboundActions(), "2")}},
        {"InboundSMTPTLS",
         "IniTLSInPol",
         "Cwm_TLSPolDlg",
         "confui.pol.capTlsIn",
         {{"confui.pol.fClient", PolicyFieldKind::HostPattern},
          choice("confui.pol.fTlsMode", tlsModes(), "required")}},
        {"OutboundSMTPTLS",
         "IniTLSOutPol",
         "Cwm_TLSPolDlg",
         "confui.pol.capTlsOut",
         {{"confui.pol.fDestination", PolicyFieldKind::HostPattern},
          choice("confui.pol.fTlsMode", tlsModes(), "required")}},
        {"OutboundDKIMSign",
         "IniDKIMSign",
         "EditDKIM",
         "confui.pol.capDkim",
         {{"confui.pol.fDomain", PolicyFieldKind::Domain},
          {"confui.pol.fSelector", PolicyFieldKind::Selector},
          {"confui.pol.fKeyFile", PolicyFieldKind::Certificate, CertificateDir::DkimPrivate}},
         true},
    };
    return lists;
}

bool isAlnum(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) != 0;
}

bool hasBlankOrControl(std::string_view s)
{
    return std::any_of(s.begin(), s.end(),
                       [](char c) { return static_cast<unsigned char>(c) <= 0x20 || c == 0x7f; });
}

bool hasControl(std::string_view s)
{
    return std::any_of(s.begin(), s.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; });
}

// Dot-separated labels of letters, digits and inner hyphens; with
// `wildcards`, labels may also hold * and ?.
bool isDnsName(std::string_view s, bool wildcards)
{
    if (s.empty() || s.size() > 253)
        return false;
    size_t start = 0;
    while (true) {
        size_t dot = s.find('.', start);
        std::string_view label =
            s.substr(start, dot == std::string_view::npos ? s.npos : dot - start);
        if (label.empty() || label.size() > 63 || label.front() == '-' || label.back() == '-')
            return false;
        for (char c : label) {
            bool wild = wildcards && (c == '*' || c == '?');
            if (!isAlnum(c) && c != '-' && c != '_' && !wild)
                return false;
        }
        if (dot == std::string_view::npos)
            return true;
        start = dot + 1;
    }
}

bool isIpLike(std::string_view s)
{
    // IPv4 or IPv6 text, possibly with a prefix length or wildcards.
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) {
        return std::isxdigit(static_cast<unsigned char>(c)) || c == '.' || c == ':' || c == '/' ||
               c == '*' || c == '?';
    }) && s.find_first_of(".:") != std::string_view::npos;
}

bool isAddressPattern(std::string_view s)
{
    if (s == "*")
        return true;
    size_t at = s.rfind('@');
    if (at == std::string_view::npos || at == 0 || at + 1 == s.size())
        return false;
    std::string_view local = s.substr(0, at);
    std::string_view domain = s.substr(at + 1);
    if (local.front() == '.' || local.back() == '.' || local.find("..") != local.npos)
        return false;
    if (domain == "*")
        return true;
    if (domain.front() == '[' && domain.back() == ']')
        return isIpLike(domain.substr(1, domain.size() - 2));
    return isDnsName(domain, true);
}

bool isCertificateName(std::string_view s)
{
    if (s.find_first_of("/\\:") != std::string_view::npos || s.size() < 5)
        return false;
    std::string ext(s.substr(s.size() - 4));
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == ".pem";
}

} // namespace

std::span<const PolicyList> policyLists()
{
    return allLists();
}

const PolicyList* findPolicyList(std::string_view key)
{
    for (const PolicyList& list : allLists())
        if (key == list.key)
            return &list;
    return nullptr;
}

PolicyCheck checkPolicyField(const PolicyList& list, const PolicyField& field,
                             std::string_view value)
{
    auto fail = [](PolicyError e) { return PolicyCheck{-1, e}; };
    if (hasControl(value))
        return fail(PolicyError::BadCharacter);
    // In a list that keeps comments a semicolon would start one.
    if (list.comments && value.find(';') != std::string_view::npos)
        return fail(PolicyError::BadCharacter);
    switch (field.kind) {
    case PolicyFieldKind::Password:
        return {};
    case PolicyFieldKind::Flag:
        return value == "0" || value == "1" ? PolicyCheck{} : fail(PolicyError::BadChoice);
    case PolicyFieldKind::Choice:
        for (const PolicyChoice& c : field.choices)
            if (value == c.value)
                return {};
        return fail(PolicyError::BadChoice);
    default:
        break;
    }
    if (value.empty())
        return fail(PolicyError::Blank);
    switch (field.kind) {
    case PolicyFieldKind::AddressPattern:
        return !hasBlankOrControl(value) && isAddressPattern(value) ? PolicyCheck{}
                                                                    : fail(PolicyError::BadAddress);
    case PolicyFieldKind::HostPattern:
        return !hasBlankOrControl(value) &&
                       (value == "*" || isIpLike(value) || isDnsName(value, true))
                   ? PolicyCheck{}
                   : fail(PolicyError::BadHost);
    case PolicyFieldKind::Domain:
        return isDnsName(value, false) ? PolicyCheck{} : fail(PolicyError::BadDomain);
    case PolicyFieldKind::Selector:
        return isDnsName(value, false) ? PolicyCheck{} : fail(PolicyError::BadSelector);
    case PolicyFieldKind::Certificate:
        if (value == kVoidCertificate)
            return field.allowVoid ? PolicyCheck{} : fail(PolicyError::VoidNotAllowed);
        return isCertificateName(value) ? PolicyCheck{} : fail(PolicyError::BadCertificate);
    default:
        return {};
    }
}

PolicyCheck checkPolicyEntry(const PolicyList& list, const PolicyFields& fields)
{
    if (fields.size() != list.fields.size())
        return {-1, PolicyError::FieldCount};
    for (size_t i = 0; i < fields.size(); ++i) {
        PolicyCheck check = checkPolicyField(list, list.fields[i], fields[i]);
        if (!check.ok())
            return {static_cast<int>(i), check.error};
    }
    return {};
}

const char* policyErrorTextId(PolicyError error)
{
    switch (error) {
    case PolicyError::None:
        return "";
    case PolicyError::Blank:
        return "confui.blankField";
    case PolicyError::BadCharacter:
        return "confui.pol.errCharacter";
    case PolicyError::BadAddress:
        return "confui.pol.errAddress";
    case PolicyError::BadHost:
        return "confui.pol.errHost";
    case PolicyError::BadDomain:
        return "confui.pol.errDomain";
    case PolicyError::BadSelector:
        return "confui.pol.errSelector";
    case PolicyError::BadCertificate:
        return "confui.pol.errCertificate";
    case PolicyError::VoidNotAllowed:
        return "confui.pol.errVoid";
    case PolicyError::BadChoice:
        return "confui.pol.errChoice";
    case PolicyError::FieldCount:
        return "confui.pol.errUnreadable";
    }
    return "";
}

std::optional<PolicyFields> readPolicyEntry(const PolicyList& list, std::string_view text)
{
    std::optional<PolicyFields> fields = decodePolicyEntry(text);
    if (!fields || fields->size() > list.fields.size())
        return std::nullopt;
    for (size_t i = fields->size(); i < list.fields.size(); ++i)
        fields->push_back(list.fields[i].defaultValue);
    return fields;
}

} // namespace morva::confui
