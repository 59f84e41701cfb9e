#include "platform/ServiceManager.h"

namespace morva::platform {

const char* serviceErrorName(ServiceError error)
{
    switch (error) {
    case ServiceError::None:
        return "no error";
    case ServiceError::Unsupported:
        return "no service manager on this platform";
    case ServiceError::ManagerUnavailable:
        return "service manager not available";
    case ServiceError::AccessDenied:
        return "access denied";
    case ServiceError::NotInstalled:
        return "service not installed";
    case ServiceError::AlreadyExists:
        return "service already exists";
    case ServiceError::AlreadyRunning:
        return "service already running";
    case ServiceError::NotActive:
        return "service not running";
    case ServiceError::CannotAcceptControl:
        return "service cannot accept the control now";
    case ServiceError::MarkedForDelete:
        return "service marked for deletion";
    case ServiceError::InvalidPath:
        return "executable path refused";
    case ServiceError::VerifyFailed:
        return "stored program path differs";
    case ServiceError::Failed:
        return "service operation failed";
    }
    return "unknown error";
}

namespace {

bool isSeparator(char c)
{
    return c == '\\' || c == '/';
}

bool isAsciiLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool isAbsoluteWindowsPath(const std::string& path)
{
    if (path.size() >= 3 && isAsciiLetter(path[0]) && path[1] == ':' && isSeparator(path[2]))
        return true;
    // "\\server\share\..." (also "\\?\C:\..."): two separators and a name.
    return path.size() >= 3 && isSeparator(path[0]) && isSeparator(path[1]) &&
           !isSeparator(path[2]);
}

} // namespace

bool serviceCommandLine(const std::string& executablePath, std::string* commandLine)
{
    if (!isAbsoluteWindowsPath(executablePath))
        return false;
    for (char c : executablePath) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || byte < 0x20 || byte == 0x7F)
            return false;
    }
    *commandLine = "\"" + executablePath + "\"";
    return true;
}

} // namespace morva::platform
