#include "config/DerivedSettings.h"

#include "config/ConfigStore.h"

namespace morva::config {

std::int32_t effectiveExchInboundEMailAddressTyp(const ConfigStore& store)
{
    if (const std::int32_t stored = store.getInt("ExchInboundEMailAddressTyp"))
        return stored;
    if (store.getBool("ExchInboundEMailAddress"))
        return 1;
    if (!store.getBool("ExchInboundEMailAddressQuery"))
        return 0;
    return store.getBool("ExchInboundEMailAddressQueryInternal") ? 3 : 2;
}

std::int32_t effectiveInboundSMTPAuthType(const ConfigStore& store)
{
    if (const std::int32_t stored = store.getInt("InboundSMTPAuthType"))
        return stored;
    if (store.getBool("InboundSMTPAuth"))
        return 1;
    if (store.getBool("InboundSMTPAuthNTLM"))
        return 2;
    if (store.getBool("InboundSMTPAuthApp"))
        return 4;
    if (store.getBool("InboundSMTPAuthProxy"))
        return 3;
    return 0;
}

} // namespace morva::config
