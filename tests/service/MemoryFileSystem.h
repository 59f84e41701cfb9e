#pragma once

#include "platform/FileSystem.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <string>

namespace morva::test {

// A small in-memory file system for the service and statistics tests:
// files are byte strings by full path, opens can be made to fail per path,
// and every open is counted. No share rules (the real backends have their
// own tests for those).
class MemoryFileSystem final : public platform::FileSystem
{
public:
    void put(const std::string& path, std::string bytes) { m_files[path] = std::move(bytes); }
    bool has(const std::string& path) const { return m_files.count(path) != 0; }
    std::string contents(const std::string& path) const
    {
        auto it = m_files.find(path);
        return it == m_files.end() ? std::string() : it->second;
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
        auto fail = [error](platform::FileError code) {
            if (error)
                *error = code;
            return nullptr;
        };
        if (auto it = m_failures.find(path); it != m_failures.end())
            return fail(it->second);
        if (m_directories.count(path))
            return fail(platform::FileError::IsDirectory);
        const bool exists = has(path);
        switch (mode) {
        case 1:
        case 7:
        case 2:
        case 3:
            if (!exists)
                return fail(platform::FileError::NotFound);
            break;
        case 4:
        case 10:
            m_files[path].clear();
            break;
        case 5:
            m_files[path];
            break;
        case 9:
            if (exists)
                return fail(platform::FileError::AlreadyExists);
            m_files[path];
            break;
        default:
            return fail(platform::FileError::InvalidMode);
        }
        if (error)
            *error = platform::FileError::None;
        return std::make_unique<MemoryFile>(m_files[path], mode == 1 || mode == 7);
    }
    platform::FileStat stat(const std::string& path) override
    {
        platform::FileStat result;
        if (m_directories.count(path)) {
            result.exists = result.isDirectory = true;
        } else if (auto it = m_files.find(path); it != m_files.end()) {
            result.exists = true;
            result.size = it->second.size();
        }
        return result;
    }
    std::vector<std::string> list(const std::string&, std::string_view) override { return {}; }
    bool remove(const std::string& path, platform::FileError* = nullptr) override
    {
        return m_files.erase(path) != 0;
    }
    bool rename(const std::string& from, const std::string& to,
                platform::FileError* = nullptr) override
    {
        auto it = m_files.find(from);
        if (it == m_files.end())
            return false;
        m_files[to] = it->second;
        m_files.erase(from);
        return true;
    }
    std::unique_ptr<platform::File> createTemporary(const std::string&, std::string_view,
                                                    std::string*,
                                                    platform::FileError* = nullptr) override
    {
        return nullptr;
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
        MemoryFile(std::string& bytes, bool readOnly) : m_bytes(bytes), m_readOnly(readOnly) {}
        bool readAt(std::uint64_t offset, void* buffer, std::size_t length,
                    std::size_t* got) override
        {
            const std::size_t start = std::min<std::uint64_t>(offset, m_bytes.size());
            *got = std::min(length, m_bytes.size() - start);
            std::memcpy(buffer, m_bytes.data() + start, *got);
            return true;
        }
        bool writeAt(std::uint64_t offset, const void* buffer, std::size_t length) override
        {
            if (m_readOnly)
                return false;
            if (m_bytes.size() < offset + length)
                m_bytes.resize(offset + length);
            std::memcpy(m_bytes.data() + offset, buffer, length);
            return true;
        }
        bool size(std::uint64_t* bytes) override
        {
            *bytes = m_bytes.size();
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
        std::string& m_bytes;
        bool m_readOnly;
        bool m_open = true;
    };

    std::map<std::string, std::string> m_files;
    std::set<std::string> m_directories;
    std::map<std::string, platform::FileError> m_failures;
    std::map<std::string, int> m_opens;
    std::map<std::string, platform::OpenMode> m_modes;
};

} // namespace morva::test
