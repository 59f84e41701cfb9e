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

struct SplitPath
{
    std::string directory;
    std::string baseName;
};

SplitPath splitPath(const std::string& path)
{
    const std::size_t cut = lastSeparator(path);
    if (cut == std::string::npos)
        return {".", path};
    return {cut == 0 ? path.substr(0, 1) : path.substr(0, cut), path.substr(cut + 1)};
}

std::string temporaryPrefix(std::string_view baseName)
{
    return "~" + std::string(baseName) + ".";
}

// The length of the random part of a temporary's name (both backends).
constexpr std::size_t kTemporarySuffixLength = 8;

} // namespace

ContentSource wholeContents(std::string_view contents)
{
    return [contents, given = false](std::string_view* chunk) mutable {
        if (given)
            return false;
        *chunk = contents;
        given = true;
        return true;
    };
}

bool replaceFileAtomically(FileSystem& fileSystem, Clock& clock, const std::string& path,
                           std::string_view contents, FileError* error)
{
    return replaceFileAtomically(fileSystem, clock, path, wholeContents(contents), error);
}

bool replaceFileAtomically(FileSystem& fileSystem, Clock& clock, const std::string& path,
                           const ContentSource& produce, FileError* error,
                           const BeforeRename& beforeRename)
{
    const ReplaceResult result = replaceFile(fileSystem, clock, path, produce, error, beforeRename);
    if (result == ReplaceResult::ReplacedNotDurable && error && *error == FileError::None)
        *error = FileError::Io;
    return result == ReplaceResult::Replaced;
}

ReplaceResult replaceFile(FileSystem& fileSystem, Clock& clock, const std::string& path,
                          const ContentSource& produce, FileError* error,
                          const BeforeRename& beforeRename)
{
    setError(error, FileError::None);
    const std::string target = fileSystem.resolveLink(path);
    const auto [directory, baseName] = splitPath(target);

    FileError failure = FileError::None;
    std::string temporaryPath;
    std::unique_ptr<File> file =
        fileSystem.createTemporary(directory, temporaryPrefix(baseName), &temporaryPath, &failure);
    if (!file) {
        setError(error, failure == FileError::None ? FileError::Io : failure);
        return ReplaceResult::Failed;
    }

    auto abandon = [&](FileError cause) {
        if (file && file->isOpen())
            file->close();
        fileSystem.remove(temporaryPath);
        setError(error, cause == FileError::None ? FileError::Io : cause);
        return ReplaceResult::Failed;
    };

    std::string_view chunk;
    std::uint64_t offset = 0;
    while (produce(&chunk)) {
        if (!chunk.empty() && !file->writeAt(offset, chunk.data(), chunk.size()))
            return abandon(file->lastError());
        offset += chunk.size();
    }

    const FileStat old = fileSystem.stat(target);
    if (old.exists && !old.isDirectory &&
        !fileSystem.copyAttributes(target, temporaryPath, &failure))
        return abandon(failure);

    // A failed sync may have dropped the dirty pages already: retrying could
    // report success for data that never reached the disk.
    if (!file->sync())
        return abandon(file->lastError());
    if (!file->close())
        return abandon(file->lastError());
    if (beforeRename)
        beforeRename();

    const auto deadline = clock.now() + kRenameRetryFor;
    while (!fileSystem.rename(temporaryPath, target, &failure)) {
        const bool held =
            failure == FileError::AccessDenied || failure == FileError::SharingViolation;
        if (!held || clock.now() >= deadline)
            return abandon(failure);
        clock.sleepFor(kRenameRetryStep);
    }

    if (!fileSystem.syncDirectory(directory, &failure)) {
        setError(error, failure == FileError::None ? FileError::Io : failure);
        return ReplaceResult::ReplacedNotDurable;
    }
    return ReplaceResult::Replaced;
}

bool isTemporaryNameOf(std::string_view name, std::string_view fileName)
{
    const std::string prefix = temporaryPrefix(fileName);
    if (name.size() != prefix.size() + kTemporarySuffixLength || name.rfind(prefix, 0) != 0)
        return false;
    for (const char c : name.substr(prefix.size())) {
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')))
            return false;
    }
    return true;
}

std::size_t removeLeftoverTemporaries(FileSystem& fileSystem, const std::string& path)
{
    const std::string target = fileSystem.resolveLink(path);
    const auto [directory, baseName] = splitPath(target);
    std::size_t removed = 0;
    for (const std::string& name : fileSystem.list(directory, temporaryPrefix(baseName) + "*")) {
        if (!isTemporaryNameOf(name, baseName))
            continue;
        std::string leftover = directory;
        if (leftover.back() != '/' && leftover.back() != '\\')
            leftover += fileSystem.separator();
        leftover += name;
        if (fileSystem.remove(leftover))
            ++removed;
    }
    return removed;
}

} // namespace morva::platform
