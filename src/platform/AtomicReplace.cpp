#include "platform/AtomicReplace.h"

#include "platform/Clock.h"

#include <chrono>

namespace morva::platform {

namespace {

constexpr auto kRenameRetryFor = std::chrono::milliseconds(10000);
constexpr auto kRenameRetryStep = std::chrono::milliseconds(100);

std::size_t lastSeparator(const std::string& path)
{
    return path.find_last_of("/\\");
}

void setError(FileError* error, FileError value)
{
    if (error)
        *error = value;
}

} // namespace

bool replaceFileAtomically(FileSystem& fileSystem, Clock& clock, const std::string& path,
                           std::string_view contents, FileError* error)
{
    bool given = false;
    return replaceFileAtomically(
        fileSystem, clock, path,
        [&](std::string_view* chunk) {
            if (given)
                return false;
            *chunk = contents;
            given = true;
            return true;
        },
        error);
}

bool replaceFileAtomically(FileSystem& fileSystem, Clock& clock, const std::string& path,
                           const ContentSource& produce, FileError* error)
{
    setError(error, FileError::None);
    const std::size_t cut = lastSeparator(path);
    std::string directory;
    std::string baseName;
    if (cut == std::string::npos) {
        directory = ".";
        baseName = path;
    } else {
        directory = cut == 0 ? path.substr(0, 1) : path.substr(0, cut);
        baseName = path.substr(cut + 1);
    }

    FileError failure = FileError::None;
    std::string temporaryPath;
    std::unique_ptr<File> file =
        fileSystem.createTemporary(directory, "~" + baseName + ".", &temporaryPath, &failure);
    if (!file) {
        setError(error, failure == FileError::None ? FileError::Io : failure);
        return false;
    }

    auto abandon = [&](FileError cause) {
        if (file && file->isOpen())
            file->close();
        fileSystem.remove(temporaryPath);
        setError(error, cause == FileError::None ? FileError::Io : cause);
        return false;
    };

    std::string_view chunk;
    std::uint64_t offset = 0;
    while (produce(&chunk)) {
        if (!chunk.empty() && !file->writeAt(offset, chunk.data(), chunk.size()))
            return abandon(file->lastError());
        offset += chunk.size();
    }

    const FileStat target = fileSystem.stat(path);
    if (target.exists && !target.isDirectory &&
        !fileSystem.copyAttributes(path, temporaryPath, &failure))
        return abandon(failure);

    // A failed sync may have dropped the dirty pages already: retrying could
    // report success for data that never reached the disk.
    if (!file->sync())
        return abandon(file->lastError());
    if (!file->close())
        return abandon(file->lastError());

    const auto deadline = clock.now() + kRenameRetryFor;
    while (!fileSystem.rename(temporaryPath, path, &failure)) {
        const bool held =
            failure == FileError::AccessDenied || failure == FileError::SharingViolation;
        if (!held || clock.now() >= deadline)
            return abandon(failure);
        clock.sleepFor(kRenameRetryStep);
    }

    if (!fileSystem.syncDirectory(directory, &failure)) {
        setError(error, failure == FileError::None ? FileError::Io : failure);
        return false;
    }
    return true;
}

} // namespace morva::platform
