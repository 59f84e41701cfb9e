#pragma once

#include "platform/UrlOpener.h"

#include <chrono>
#include <string>

namespace morva::platform {

// Hands the target to the desktop's opener program ("xdg-open") started
// with posix_spawnp: no shell, the target is one argument. The opener's
// exit status is the answer (0: the desktop took the request). An opener
// that is still running after `patience` (some start the browser in the
// foreground) counts as success; it is reaped in the background.
class PosixUrlOpener final : public UrlOpener
{
public:
    explicit PosixUrlOpener(std::string program = "xdg-open",
                            std::chrono::milliseconds patience = std::chrono::seconds(5));

    bool openUrl(const std::string& url) override;
    bool openFile(const std::string& path) override;

private:
    bool run(const std::string& target);

    std::string m_program;
    std::chrono::milliseconds m_patience;
};

} // namespace morva::platform
