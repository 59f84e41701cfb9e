#include "platform/FileSystem.h"

namespace morva::platform {

const char* fileErrorName(FileError error)
{
    switch (error) {
    case FileError::None:
        return "no error";
    case FileError::NotFound:
        return "not found";
    case FileError::AccessDenied:
        return "access denied";
    case FileError::SharingViolation:
        return "in use by another program";
    case FileError::AlreadyExists:
        return "already exists";
    case FileError::IsDirectory:
        return "is a directory";
    case FileError::NoSpace:
        return "no space left";
    case FileError::InvalidMode:
        return "invalid open mode";
    case FileError::Io:
        return "input/output error";
    case FileError::IsLink:
        return "is a symbolic link, which is not followed";
    case FileError::NotRegular:
        return "not a regular file (a device, pipe or socket)";
    case FileError::TooLarge:
        return "too large";
    }
    return "unknown error";
}

} // namespace morva::platform
