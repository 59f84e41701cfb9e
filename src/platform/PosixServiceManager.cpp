#include "platform/ServiceManager.h"

namespace morva::platform {

namespace {

// The gateway is a Windows service: on this platform there is no manager
// that could run it, so every operation fails and the console shows its
// failure messages ("not installed" for the state).
class PosixServiceManager final : public ServiceManager
{
public:
    ServiceResult installService(const std::string&, const std::string&) override
    {
        return unsupported();
    }
    ServiceResult queryServiceState(const std::string&, std::uint32_t*) override
    {
        return unsupported();
    }
    ServiceResult startService(const std::string&) override { return unsupported(); }
    ServiceResult controlService(const std::string&, std::uint32_t) override
    {
        return unsupported();
    }
    ServiceResult removeService(const std::string&) override { return unsupported(); }

private:
    static ServiceResult unsupported() { return ServiceResult::failure(ServiceError::Unsupported); }
};

} // namespace

std::string systemErrorText(std::uint32_t)
{
    return {}; // every failure here is Unsupported, which says it all
}

std::unique_ptr<ServiceManager> makeSystemServiceManager()
{
    return std::make_unique<PosixServiceManager>();
}

} // namespace morva::platform
