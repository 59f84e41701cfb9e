#pragma once

#include "platform/FileSystem.h"

#include <map>
#include <memory>
#include <string>

namespace morva::test {

// Files held in a map: enough of the file system for the configuration store
// (open, read, write, stat, rename, temporary files), for tests and fuzzing
// that must not touch the disk. No sharing rules; every file is regular.
class MemoryFileSystem final : public platform::FileSystem
{
public:
    std::map<std::string, std::string> files;

    std::unique_ptr<platform::File> open(const std::string& path, platform::OpenMode mode,
                                         platform::FileError* error = nullptr) override
    {
        const bool create = mode == 4 || mode == 5 || mode == 9 || mode == 10;
        auto found = files.find(path);
        if (found == files.end()) {
            if (!create)
                return fail(error, platform::FileError::NotFound);
            found = files.emplace(path, std::string()).first;
        } else if (mode == 9) {
            return fail(error, platform::FileError::AlreadyExists);
        } else if (mode == 4 || mode == 10) {
            found->second.clear();
        }
        set(error, platform::FileError::None);
        return std::make_unique<MemoryFile>(*this, path);
    }
    platform::FileStat stat(const std::string& path) override
    {
        platform::FileStat result;
        const auto found = files.find(path);
        if (found != files.end()) {
            result.exists = true;
            result.size = found->second.size();
            result.lastWriteNs = static_cast<std::int64_t>(std::hash<std::string>{}(found->second));
        }
        return result;
    }
    std::vector<std::string> list(const std::string&, std::string_view) override { return {}; }
    bool remove(const std::string& path, platform::FileError* error = nullptr) override
    {
        set(error, platform::FileError::None);
        return files.erase(path) == 1;
    }
    bool rename(const std::string& from, const std::string& to,
                platform::FileError* error = nullptr) override
    {
        const auto found = files.find(from);
        if (found == files.end()) {
            set(error, platform::FileError::NotFound);
            return false;
        }
        std::string bytes = std::move(found->second);
        files.erase(found);
        files[to] = std::move(bytes);
        return true;
    }
    std::unique_ptr<platform::File> createTemporary(const std::string& directory,
                                                    std::string_view prefix, std::string* path,
                                                    platform::FileError* error = nullptr) override
    {
        *path = directory + "/" + std::string(prefix) + std::to_string(++m_temporaries);
        return open(*path, 9, error);
    }
    bool copyAttributes(const std::string&, const std::string&,
                        platform::FileError* = nullptr) override
    {
        return true;
    }
    bool syncDirectory(const std::string&, platform::FileError* = nullptr) override { return true; }
    char separator() const override { return '/'; }

private:
    class MemoryFile final : public platform::File
    {
    public:
        MemoryFile(MemoryFileSystem& fs, std::string path) : m_fs(fs), m_path(std::move(path)) {}
        bool readAt(std::uint64_t offset, void* buffer, std::size_t length,
                    std::size_t* got) override
        {
            const std::string& bytes = m_fs.files[m_path];
            *got = offset < bytes.size() ? std::min<std::size_t>(length, bytes.size() - offset) : 0;
            if (*got)
                bytes.copy(static_cast<char*>(buffer), *got, offset);
            return true;
        }
        bool writeAt(std::uint64_t offset, const void* buffer, std::size_t length) override
        {
            std::string& bytes = m_fs.files[m_path];
            if (bytes.size() < offset + length)
                bytes.resize(offset + length);
            bytes.replace(offset, length, static_cast<const char*>(buffer), length);
            return true;
        }
        bool size(std::uint64_t* bytes) override
        {
            *bytes = m_fs.files[m_path].size();
            return true;
        }
        bool sync() override { return true; }
        bool close() override
        {
            m_open = false;
            return true;
        }
        bool isOpen() const override { return m_open; }
        platform::FileError lastError() const override { return platform::FileError::None; }

    private:
        MemoryFileSystem& m_fs;
        std::string m_path;
        bool m_open = true;
    };

    static void set(platform::FileError* error, platform::FileError value)
    {
        if (error)
            *error = value;
    }
    static std::unique_ptr<platform::File> fail(platform::FileError* error,
                                                platform::FileError value)
    {
        set(error, value);
        return nullptr;
    }

    int m_temporaries = 0;
};

} // namespace morva::test
