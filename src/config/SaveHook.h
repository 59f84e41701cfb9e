#pragma once

#include <functional>
#include <string>

namespace morva::config {

// What a save says about itself, for the history of saves: the sheet's name,
// "morvactl config set", "restore", ...
struct SaveOrigin
{
    std::string source = "console";
};

// Told of every save of a file before the new file replaces the old one, while
// the saver holds the file's lock (so no other save of that file runs).
class SaveHook
{
public:
    virtual ~SaveHook() = default;
    // `path` is the file about to be replaced (it may not exist yet);
    // `newText` gives the bytes about to be written. Whatever the hook does,
    // the save goes on: a hook reports its own failures.
    virtual void beforeReplace(const std::string& path, const std::function<std::string()>& newText,
                               const SaveOrigin& origin) = 0;
};

} // namespace morva::config
