#pragma once

#include <memory>
#include <string>

namespace morva::platform {

// Opens a web page in the user's browser, or a file with the program the
// desktop associates with it. The call returns once the desktop has taken
// the request; false when it could not (no browser, no association, the
// opener missing, or a target refused as unsafe).
class UrlOpener
{
public:
    virtual ~UrlOpener() = default;
    // `url` must be an absolute http, https or mailto address.
    virtual bool openUrl(const std::string& url) = 0;
    // `path` names a local file.
    virtual bool openFile(const std::string& path) = 0;
};

// The desktop's opener on this machine; each backend's source file defines it.
std::unique_ptr<UrlOpener> makeSystemUrlOpener();

// True for a target an opener may be given: an http://, https:// or mailto:
// address (scheme case-insensitive) without blanks or control characters.
// Anything else (another scheme, a text that an opener could read as an
// option, an empty text) is refused.
bool isOpenableUrl(const std::string& url);

} // namespace morva::platform
