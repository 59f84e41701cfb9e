// The network text parser: any text parses without fault, and a network
// written out parses back to the same network.
#include "config/IpNetwork.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const morva::config::IpNetwork net = morva::config::IpNetwork::parse(text);
    const std::string written = net.toString();
    if (net.isValid() && !(morva::config::IpNetwork::parse(written) == net))
        std::abort();
    if (!net.isValid() && written != text)
        std::abort();
    return 0;
}
