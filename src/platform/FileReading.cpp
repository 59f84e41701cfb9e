#include "platform/FileReading.h"

namespace morva::platform {

bool readFromStart(File& file, std::uint64_t size, std::string* bytes, FileError* error)
{
    bytes->assign(static_cast<std::size_t>(size), '\0');
    std::size_t done = 0;
    while (done < bytes->size()) {
        std::size_t got = 0;
        if (!file.readAt(done, bytes->data() + done, bytes->size() - done, &got)) {
            *error = file.lastError() == FileError::None ? FileError::Io : file.lastError();
            return false;
        }
        if (got == 0)
            break;
        done += got;
    }
    bytes->resize(done);
    return true;
}

} // namespace morva::platform
