#pragma once

#include "platform/FileSystem.h"

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>

namespace morva::test {

// Files held in a map by full path, for tests and fuzzing that must not touch
// the disk: open (in the numbered modes; 1 and 7 read only), read, write,
// stat, remove, rename and temporary files. Opens can be made to fail per
// path, paths can be directories, and every open is counted with its mode.
// No share rules (the real backends have their own tests for those). An
// open file follows its path: after its entry was removed or renamed it
// reads as empty (never freed memory), and a write creates the entry again.
class MemoryFileSystem final : public platform::FileSystem
{
public:
    std::map<std::string, std::string> files;

    void put(const std::string& path, std::string bytes) { files[path] = std::move(bytes); }
    bool has(const std::string& path) const { return files.count(path) != 0; }
    std::string contents(const std::string& path) const
    {
        auto it = files.find(path);
        return it == files.end() ? std::string() : it->second;
    }
    void addDirectory(const std::string& path) { m_directories.insert(path); }
    void failOpen(const std::string& path, platform::FileError error) { m_failures[path] = error; }
    void clearFailures() { m_failures.clear(); }
    // Open mode of the last open of `path`, 0 when never opened.
    platform::OpenMode lastMode(const std::string& path) const
    {
        auto it = m_modes.find(path);
        return it == m_modes.end() ? 0 : it->second;
    }
    int opens(const std::string& path) const
    {
        auto it = m_opens.find(path);
        return it == m_opens.end() ? 0 : it->second;
    }

    std::unique_ptr<platform::File> open(const std::string& path, platform::OpenMode mode,
                                         platform::FileError* error = nullptr) override
    {
        ++m_opens[path];
        m_modes[path] = mode;
        if (auto it = m_failures.find(path); it != m_failures.end())
            return fail(error, it->second);
        if (m_directories.count(path))
            return fail(error, platform::FileError::IsDirectory);
        const bool exists = has(path);
        switch (platform::openModeNumber(mode)) {
        case 1:
        case 2:
        case 3:
        case 7:
            if (!exists)
                return fail(error, platform::FileError::NotFound);
            break;
        case 4:
        case 10:
            files[path].clear();
            break;
        case 5:
            files[path];
            break;
        case 9:
            if (exists)
                return fail(error, platform::FileError::AlreadyExists);
            files[path];
            break;
        default:
            return fail(error, platform::FileError::InvalidMode);
        }
        set(error, platform::FileError::None);
        return std::make_unique<MemoryFile>(*this, path, mode == 1 || mode == 7);
    }
    platform::FileStat stat(const std::string& path) override
    {
        platform::FileStat result;
        if (m_directories.count(path)) {
            result.exists = result.isDirectory = true;
        } else if (const auto found = files.find(path); found != files.end()) {
            result.exists = true;
            result.size = found->second.size();
            // Changes with the contents, as a write time would.
            result.lastWriteNs = static_cast<std::int64_t>(std::hash<std::string>{}(found->second));
        }
        return result;
    }
    std::vector<std::string> list(const std::string&, std::string_view) override { return {}; }
    bool remove(const std::string& path, platform::FileError* error = nullptr) override
    {
        const bool removed = files.erase(path) == 1;
        set(error, removed ? platform::FileError::None : platform::FileError::NotFound);
        return removed;
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
        set(error, platform::FileError::None);
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
    bool createDirectory(const std::string& path, platform::FileError* = nullptr) override
    {
        m_directories.insert(path);
        return true;
    }
    bool syncDirectory(const std::string&, platform::FileError* = nullptr) override { return true; }
    char separator() const override { return '/'; }

private:
    const std::string& contentsRef(const std::string& path) const
    {
        static const std::string none;
        auto it = files.find(path);
        return it == files.end() ? none : it->second;
    }

    class MemoryFile final : public platform::File
    {
    public:
        MemoryFile(MemoryFileSystem& fs, std::string path, bool readOnly)
            : m_fs(fs), m_path(std::move(path)), m_readOnly(readOnly)
        {
        }
        bool readAt(std::uint64_t offset, void* buffer, std::size_t length,
                    std::size_t* got) override
        {
            const std::string& bytes = m_fs.contentsRef(m_path);
            *got = offset < bytes.size() ? std::min<std::size_t>(length, bytes.size() - offset) : 0;
            if (*got)
                bytes.copy(static_cast<char*>(buffer), *got, offset);
            return true;
        }
        bool writeAt(std::uint64_t offset, const void* buffer, std::size_t length) override
        {
            if (m_readOnly)
                return false;
            std::string& bytes = m_fs.files[m_path];
            if (bytes.size() < offset + length)
                bytes.resize(offset + length);
            bytes.replace(offset, length, static_cast<const char*>(buffer), length);
            return true;
        }
        bool size(std::uint64_t* bytes) override
        {
            *bytes = m_fs.contentsRef(m_path).size();
            return true;
        }
        bool sync() override { return true; }
        bool truncate(std::uint64_t bytes) override
        {
            if (m_readOnly)
                return false;
            m_fs.files[m_path].resize(bytes);
            return true;
        }
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
        bool m_readOnly;
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

    std::set<std::string> m_directories;
    std::map<std::string, platform::FileError> m_failures;
    std::map<std::string, int> m_opens;
    std::map<std::string, platform::OpenMode> m_modes;
    int m_temporaries = 0;
};

} // namespace morva::test
