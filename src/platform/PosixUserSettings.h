#pragma once

#include "platform/UserSettings.h"

#include <string>

namespace morva::platform {

// Settings in a text file of "name=value" lines, decimal values. The file
// is read on every call (the console reads its eight placement values once)
// and replaced atomically on every write (temporary file in the same
// directory, fsync, rename), so a crash never leaves half a file. Lines it
// cannot parse are kept as they are when the file is rewritten; a value
// that is not a 32-bit decimal number reads as the default.
class PosixUserSettings final : public UserSettings
{
public:
    // `path` is the settings file; its directory is created on first write.
    // An empty path stores nothing: reads give the default, writes fail.
    explicit PosixUserSettings(std::string path);

    std::int32_t readInt(const std::string& name, std::int32_t defaultValue) override;
    bool writeInt(const std::string& name, std::int32_t value) override;

    const std::string& path() const { return m_path; }

    // $XDG_CONFIG_HOME/Brentmoor/MorvaAdmin.conf, else
    // $HOME/.config/Brentmoor/MorvaAdmin.conf; empty when neither variable
    // is set to an absolute path.
    static std::string defaultPath();

private:
    std::string m_path;
};

} // namespace morva::platform
