#pragma once

#include <cstdint>

namespace morva::config {

class ConfigStore;

// Two settings replaced older switches; these give their effective values,
// falling back to the old switches while the new key holds 0.

// ExchInboundEMailAddressTyp: stored value if not 0; else 1 when
// ExchInboundEMailAddress; else 0 without ExchInboundEMailAddressQuery; else
// 3 with ExchInboundEMailAddressQueryInternal, otherwise 2.
std::int32_t effectiveExchInboundEMailAddressTyp(const ConfigStore& store);

// InboundSMTPAuthType: stored value if not 0; else 1 (InboundSMTPAuth),
// 2 (InboundSMTPAuthNTLM), 4 (InboundSMTPAuthApp), 3 (InboundSMTPAuthProxy),
// in that order of precedence, else 0.
std::int32_t effectiveInboundSMTPAuthType(const ConfigStore& store);

} // namespace morva::config
