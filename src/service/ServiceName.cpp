#include "service/ServiceName.h"

#include "platform/FileSystem.h"

#include <cstdint>

namespace morva::service {

namespace {

constexpr std::uint64_t kMaxNameFileSize = 256;

// Start of the file name within `path` (after the last separator).
std::size_t fileNameStart(const std::string& path)
{
    const std::size_t separator = path.find_last_of("\\/");
    return separator == std::string::npos ? 0 : separator + 1;
}

// Position of the extension's dot in `path`, or path.size() when the file
// name has none.
std::size_t extensionStart(const std::string& path)
{
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || dot < fileNameStart(path))
        return path.size();
    return dot;
}

bool isNameByte(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x21 && byte <= 0x79;
}

} // namespace

std::string defaultExecutablePath(const std::string& programDir,
                                  const std::string& consoleExecutablePath)
{
    std::string extension = consoleExecutablePath.substr(extensionStart(consoleExecutablePath));
    if (extension.size() <= 1)
        extension = ".exe";
    return programDir + "gwcored" + extension;
}

std::string serviceNameFilePath(const std::string& executablePath)
{
    return executablePath.substr(0, extensionStart(executablePath)) + ".svc";
}

std::string serviceNameFor(platform::FileSystem& fileSystem, const std::string& executablePath,
                           const std::string& defaultName)
{
    auto file = fileSystem.open(serviceNameFilePath(executablePath), 1);
    std::uint64_t size = 0;
    if (!file || !file->size(&size) || size < 1 || size > kMaxNameFileSize)
        return defaultName;
    char buffer[kMaxNameFileSize];
    std::size_t got = 0;
    if (!file->readAt(0, buffer, static_cast<std::size_t>(size), &got))
        return defaultName;
    std::string name;
    for (std::size_t i = 0; i < got; ++i) {
        if (isNameByte(buffer[i]))
            name += buffer[i];
    }
    return name.empty() ? defaultName : name;
}

} // namespace morva::service
