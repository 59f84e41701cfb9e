#include "platform/testing/FaultInjectingFileSystem.h"

#include <array>
#include <csignal>
#include <cstdlib>
#include <mutex>

namespace morva::platform {

struct FaultInjectingFileSystem::State
{
    std::mutex mutex;
    std::array<std::uint64_t, kOperationKinds> perKind{};
    std::uint64_t total = 0;
    std::uint64_t counted = 0;
    std::uint64_t faultAt = 0; // 0: no fault armed
    Fault fault = Fault::FailOnce;
    FileError error = FileError::Io;
    std::optional<Operation> only;
    bool fired = false;
    bool partialWrites = false;

    // Counts one operation; returns the error it must fail with, or None.
    FileError enter(Operation operation)
    {
        std::lock_guard<std::mutex> guard(mutex);
        ++perKind[static_cast<std::size_t>(operation)];
        ++total;
        if (only && *only != operation)
            return FileError::None;
        const std::uint64_t number = ++counted;
        if (faultAt == 0 || number < faultAt)
            return FileError::None;
        if (fault == Fault::FailOnce && number != faultAt)
            return FileError::None;
        fired = true;
        if (fault == Fault::Kill) {
#ifdef _WIN32
            std::_Exit(137);
#else
            std::raise(SIGKILL);
#endif
        }
        return error;
    }
};

namespace {

using Operation = FaultInjectingFileSystem::Operation;

void setError(FileError* out, FileError value)
{
    if (out)
        *out = value;
}

class FaultInjectingFile final : public File
{
public:
    FaultInjectingFile(std::unique_ptr<File> inner,
                       std::shared_ptr<FaultInjectingFileSystem::State> state)
        : m_inner(std::move(inner)), m_state(std::move(state))
    {
    }

    bool readAt(std::uint64_t offset, void* buffer, std::size_t length, std::size_t* got) override
    {
        if (FileError e = m_state->enter(Operation::ReadAt); e != FileError::None) {
            if (got)
                *got = 0;
            return fail(e);
        }
        return m_inner->readAt(offset, buffer, length, got) || fail(m_inner->lastError());
    }

    bool writeAt(std::uint64_t offset, const void* buffer, std::size_t length) override
    {
        if (FileError e = m_state->enter(Operation::WriteAt); e != FileError::None) {
            if (partialWrites() && length > 1)
                m_inner->writeAt(offset, buffer, length / 2);
            return fail(e);
        }
        return m_inner->writeAt(offset, buffer, length) || fail(m_inner->lastError());
    }

    bool size(std::uint64_t* bytes) override
    {
        if (FileError e = m_state->enter(Operation::Size); e != FileError::None)
            return fail(e);
        return m_inner->size(bytes) || fail(m_inner->lastError());
    }

    bool sync() override
    {
        if (FileError e = m_state->enter(Operation::Sync); e != FileError::None)
            return fail(e);
        return m_inner->sync() || fail(m_inner->lastError());
    }

    bool truncate(std::uint64_t bytes) override
    {
        if (FileError e = m_state->enter(Operation::Truncate); e != FileError::None)
            return fail(e);
        return m_inner->truncate(bytes) || fail(m_inner->lastError());
    }

    bool close() override
    {
        if (!m_inner->isOpen())
            return true;
        if (FileError e = m_state->enter(Operation::Close); e != FileError::None)
            return fail(e);
        return m_inner->close() || fail(m_inner->lastError());
    }

    bool isOpen() const override { return m_inner->isOpen(); }
    FileError lastError() const override { return m_lastError; }

private:
    bool fail(FileError error)
    {
        m_lastError = error;
        return false;
    }

    bool partialWrites() const
    {
        std::lock_guard<std::mutex> guard(m_state->mutex);
        return m_state->partialWrites;
    }

    std::unique_ptr<File> m_inner;
    std::shared_ptr<FaultInjectingFileSystem::State> m_state;
    FileError m_lastError = FileError::None;
};

} // namespace

FaultInjectingFileSystem::FaultInjectingFileSystem(FileSystem& inner)
    : m_inner(inner), m_state(std::make_shared<State>())
{
}

FaultInjectingFileSystem::~FaultInjectingFileSystem() = default;

void FaultInjectingFileSystem::injectFault(std::uint64_t k, Fault fault, FileError error,
                                           std::optional<Operation> only)
{
    std::lock_guard<std::mutex> guard(m_state->mutex);
    m_state->faultAt = k;
    m_state->fault = fault;
    m_state->error = error;
    m_state->only = only;
    m_state->counted = 0;
    m_state->fired = false;
}

void FaultInjectingFileSystem::clearFault()
{
    std::lock_guard<std::mutex> guard(m_state->mutex);
    m_state->faultAt = 0;
    m_state->only.reset();
}

void FaultInjectingFileSystem::setPartialWrites(bool partial)
{
    std::lock_guard<std::mutex> guard(m_state->mutex);
    m_state->partialWrites = partial;
}

std::uint64_t FaultInjectingFileSystem::counted() const
{
    std::lock_guard<std::mutex> guard(m_state->mutex);
    return m_state->counted;
}

std::uint64_t FaultInjectingFileSystem::count(Operation operation) const
{
    std::lock_guard<std::mutex> guard(m_state->mutex);
    return m_state->perKind[static_cast<std::size_t>(operation)];
}

std::uint64_t FaultInjectingFileSystem::total() const
{
    std::lock_guard<std::mutex> guard(m_state->mutex);
    return m_state->total;
}

bool FaultInjectingFileSystem::faultFired() const
{
    std::lock_guard<std::mutex> guard(m_state->mutex);
    return m_state->fired;
}

void FaultInjectingFileSystem::resetCounts()
{
    std::lock_guard<std::mutex> guard(m_state->mutex);
    m_state->perKind.fill(0);
    m_state->total = 0;
    m_state->counted = 0;
}

std::unique_ptr<File> FaultInjectingFileSystem::open(const std::string& path, OpenMode mode,
                                                     FileError* error)
{
    if (FileError e = m_state->enter(Operation::Open); e != FileError::None) {
        setError(error, e);
        return nullptr;
    }
    auto file = m_inner.open(path, mode, error);
    if (!file)
        return nullptr;
    return std::make_unique<FaultInjectingFile>(std::move(file), m_state);
}

FileStat FaultInjectingFileSystem::stat(const std::string& path)
{
    if (m_state->enter(Operation::Stat) != FileError::None)
        return {};
    return m_inner.stat(path);
}

std::vector<std::string> FaultInjectingFileSystem::list(const std::string& directory,
                                                        std::string_view pattern)
{
    if (m_state->enter(Operation::List) != FileError::None)
        return {};
    return m_inner.list(directory, pattern);
}

bool FaultInjectingFileSystem::remove(const std::string& path, FileError* error)
{
    if (FileError e = m_state->enter(Operation::Remove); e != FileError::None) {
        setError(error, e);
        return false;
    }
    return m_inner.remove(path, error);
}

bool FaultInjectingFileSystem::rename(const std::string& from, const std::string& to,
                                      FileError* error)
{
    if (FileError e = m_state->enter(Operation::Rename); e != FileError::None) {
        setError(error, e);
        return false;
    }
    return m_inner.rename(from, to, error);
}

bool FaultInjectingFileSystem::link(const std::string& existing, const std::string& newPath,
                                    FileError* error)
{
    if (FileError e = m_state->enter(Operation::Link); e != FileError::None) {
        setError(error, e);
        return false;
    }
    return m_inner.link(existing, newPath, error);
}

std::unique_ptr<File> FaultInjectingFileSystem::createTemporary(const std::string& directory,
                                                                std::string_view prefix,
                                                                std::string* path, FileError* error)
{
    if (FileError e = m_state->enter(Operation::CreateTemporary); e != FileError::None) {
        setError(error, e);
        return nullptr;
    }
    auto file = m_inner.createTemporary(directory, prefix, path, error);
    if (!file)
        return nullptr;
    return std::make_unique<FaultInjectingFile>(std::move(file), m_state);
}

bool FaultInjectingFileSystem::copyAttributes(const std::string& from, const std::string& to,
                                              FileError* error)
{
    if (FileError e = m_state->enter(Operation::CopyAttributes); e != FileError::None) {
        setError(error, e);
        return false;
    }
    return m_inner.copyAttributes(from, to, error);
}

bool FaultInjectingFileSystem::createDirectory(const std::string& path, FileError* error)
{
    if (FileError e = m_state->enter(Operation::CreateDirectory); e != FileError::None) {
        setError(error, e);
        return false;
    }
    return m_inner.createDirectory(path, error);
}

bool FaultInjectingFileSystem::syncDirectory(const std::string& directory, FileError* error)
{
    if (FileError e = m_state->enter(Operation::SyncDirectory); e != FileError::None) {
        setError(error, e);
        return false;
    }
    return m_inner.syncDirectory(directory, error);
}

std::string FaultInjectingFileSystem::resolveLink(const std::string& path)
{
    return m_inner.resolveLink(path);
}

std::unique_ptr<File> FaultInjectingFileSystem::openLockFile(const std::string& path,
                                                             FileError* error)
{
    if (FileError e = m_state->enter(Operation::Open); e != FileError::None) {
        setError(error, e);
        return nullptr;
    }
    auto file = m_inner.openLockFile(path, error);
    if (!file)
        return nullptr;
    return std::make_unique<FaultInjectingFile>(std::move(file), m_state);
}

char FaultInjectingFileSystem::separator() const
{
    return m_inner.separator();
}

} // namespace morva::platform
