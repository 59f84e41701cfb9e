#pragma once

#include "platform/FileSystem.h"

#include <cstring>
#include <map>
#include <memory>
#include <string>

namespace morva::test {

// In-memory files for the log reader: counts stats, opens and bytes read so
// tests can tell what a refresh cost.
class FakeLogFileSystem final : public platform::FileSystem
{
public:
    std::map<std::string, std::string> files;
    std::map<std::string, bool> unreadable;
    std::int64_t writeTime = 1;
    int stats = 0;
    int opens = 0;
    std::size_t bytesRead = 0;

    void append(const std::string& path, const std::string& text)
    {
        files[path] += text;
        ++writeTime;
    }

    std::unique_ptr<platform::File> open(const std::string& path, platform::OpenMode mode,
                                         platform::FileError* error) override
    {
        ++opens;
        auto it = files.find(path);
        if (it == files.end() || unreadable[path]) {
            if (error)
                *error = platform::FileError::AccessDenied;
            return nullptr;
        }
        return std::make_unique<ReadOnlyFile>(*this, it->second);
    }
    platform::FileStat stat(const std::string& path) override
    {
        ++stats;
        platform::FileStat st;
        if (auto it = files.find(path); it != files.end()) {
            st.exists = true;
            st.size = it->second.size();
            st.lastWriteNs = writeTime;
        }
        return st;
    }
    std::vector<std::string> list(const std::string&, std::string_view) override { return {}; }
    bool remove(const std::string&, platform::FileError*) override { return false; }
    bool rename(const std::string&, const std::string&, platform::FileError*) override
    {
        return false;
    }
    std::unique_ptr<platform::File> createTemporary(const std::string&, std::string_view,
                                                    std::string*, platform::FileError*) override
    {
        return nullptr;
    }
    bool copyAttributes(const std::string&, const std::string&, platform::FileError*) override
    {
        return false;
    }
    bool syncDirectory(const std::string&, platform::FileError*) override { return true; }
    char separator() const override { return '/'; }

private:
    class ReadOnlyFile final : public platform::File
    {
    public:
        ReadOnlyFile(FakeLogFileSystem& fs, const std::string& data) : m_fs(fs), m_data(data) {}
        bool readAt(std::uint64_t offset, void* buffer, std::size_t length,
                    std::size_t* got) override
        {
            *got = 0;
            if (offset < m_data.size()) {
                *got = std::min<std::size_t>(length, m_data.size() - offset);
                std::memcpy(buffer, m_data.data() + offset, *got);
            }
            m_fs.bytesRead += *got;
            return true;
        }
        bool writeAt(std::uint64_t, const void*, std::size_t) override { return false; }
        bool size(std::uint64_t* bytes) override
        {
            *bytes = m_data.size();
            return true;
        }
        bool sync() override { return true; }
        bool truncate(std::uint64_t) override { return false; }
        bool close() override { return true; }
        bool isOpen() const override { return true; }
        platform::FileError lastError() const override { return platform::FileError::None; }

    private:
        FakeLogFileSystem& m_fs;
        const std::string& m_data;
    };
};

} // namespace morva::test
