#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace morva::test {

// A fresh directory under the system's temporary directory, removed with
// everything in it when the object goes.
class ScratchDir
{
public:
    ScratchDir()
    {
        std::random_device seed;
        auto base = std::filesystem::temp_directory_path();
        do {
            m_path = base / ("morva-test-" + std::to_string(seed()));
        } while (!std::filesystem::create_directory(m_path));
    }
    ~ScratchDir()
    {
        std::error_code ignored;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(m_path, ignored);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    // The directory with a trailing separator, as the program directory is given.
    std::string dir() const
    {
        return m_path.string() + static_cast<char>(std::filesystem::path::preferred_separator);
    }
    std::string path(const std::string& name) const { return (m_path / name).string(); }

    void write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream out(path(name), std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    std::string read(const std::string& name) const
    {
        std::ifstream in(path(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    bool exists(const std::string& name) const { return std::filesystem::exists(path(name)); }

private:
    std::filesystem::path m_path;
};

} // namespace morva::test
