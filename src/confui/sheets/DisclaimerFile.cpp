#include "confui/sheets/DisclaimerFile.h"

#include "platform/AtomicReplace.h"
#include "platform/ReplaceLock.h"

namespace morva::confui {

std::optional<std::string> readTextFile(platform::FileSystem& fileSystem, const std::string& path,
                                        platform::FileError* error, platform::FileStat* stamp)
{
    if (error)
        *error = platform::FileError::None;
    const platform::FileStat stat = fileSystem.stat(path);
    if (stamp)
        *stamp = stat;
    if (!stat.exists)
        return std::string();
    platform::FileError openError = platform::FileError::None;
    std::unique_ptr<platform::File> file = fileSystem.open(path, 1, &openError);
    if (!file) {
        if (error)
            *error = openError;
        return std::nullopt;
    }
    std::uint64_t size = 0;
    if (!file->size(&size)) {
        if (error)
            *error = file->lastError();
        return std::nullopt;
    }
    if (size > kMaxTextFileBytes) {
        if (error)
            *error = platform::FileError::TooLarge;
        return std::nullopt;
    }
    std::string text(static_cast<size_t>(size), '\0');
    std::size_t got = 0;
    if (size > 0 && (!file->readAt(0, text.data(), text.size(), &got) || got != text.size())) {
        if (error)
            *error = file->lastError() == platform::FileError::None ? platform::FileError::Io
                                                                    : file->lastError();
        return std::nullopt;
    }
    file->close();
    return text;
}

bool writeTextFile(platform::FileSystem& fileSystem, platform::Clock& clock,
                   const std::string& path, std::string_view text, platform::FileError* error,
                   const platform::FileStat* stamp, bool* changedOnDisk)
{
    if (changedOnDisk)
        *changedOnDisk = false;
    // Another console may be saving the same file: check and replace under
    // the file's lock, as the configuration's saves do.
    platform::ReplaceLock lock(fileSystem, clock, path);
    if (!lock.held()) {
        if (error)
            *error = lock.error();
        return false;
    }
    if (stamp) {
        const platform::FileStat now = fileSystem.stat(path);
        const bool changed = now.exists != stamp->exists || now.size != stamp->size ||
                             now.lastWriteNs != stamp->lastWriteNs || now.fileId != stamp->fileId;
        if (changed) {
            if (changedOnDisk)
                *changedOnDisk = true;
            if (error)
                *error = platform::FileError::None;
            return false;
        }
    }
    return platform::replaceFileAtomically(fileSystem, clock, path, text, error);
}

} // namespace morva::confui
