// Feeds arbitrary bytes to the PE version reader: it must never read outside
// the image, whatever the image claims about itself.
#include "platform/PeVersionReader.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // A copy of exactly `size` bytes, so any overread hits the sanitizer's
    // redzone instead of the fuzzer's own buffer.
    const std::vector<std::uint8_t> image(data, data + size);
    (void)morva::platform::readPeFileVersion(image);
    return 0;
}
