#pragma once

#include <functional>
#include <optional>

namespace morva::app {

enum class LockKey
{
    CapsLock,
    NumLock
};

// Whether a lock key is on; nullopt where the platform does not tell.
using LockKeyProbe = std::function<std::optional<bool>(LockKey)>;

// The probe of this platform: Windows reports both keys, an X11 desktop
// through its keyboard extension when the X library can be loaded; elsewhere
// every answer is nullopt.
LockKeyProbe systemLockKeyProbe();

} // namespace morva::app
