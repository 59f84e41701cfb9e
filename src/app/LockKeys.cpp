#include "app/LockKeys.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <QGuiApplication>
#include <QLibrary>
#include <QtGui/qguiapplication_platform.h>
#endif

namespace morva::app {

#ifdef _WIN32

LockKeyProbe systemLockKeyProbe()
{
    return [](LockKey key) -> std::optional<bool> {
        return (GetKeyState(key == LockKey::CapsLock ? VK_CAPITAL : VK_NUMLOCK) & 1) != 0;
    };
}

#else

namespace {

// XkbGetIndicatorState(display, XkbUseCoreKbd, &state); the core keyboard's
// indicators 0 and 1 are Caps Lock and Num Lock.
using GetIndicatorState = int (*)(void* display, unsigned device, unsigned* state);
constexpr unsigned kUseCoreKeyboard = 0x0100;

} // namespace

LockKeyProbe systemLockKeyProbe()
{
#if QT_CONFIG(xcb)
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->display())
        return [](LockKey) { return std::optional<bool>(); };
    auto getState = reinterpret_cast<GetIndicatorState>(
        QLibrary::resolve(QStringLiteral("X11"), 6, "XkbGetIndicatorState"));
    if (!getState)
        return [](LockKey) { return std::optional<bool>(); };
    void* display = x11->display();
    return [getState, display](LockKey key) -> std::optional<bool> {
        unsigned state = 0;
        if (getState(display, kUseCoreKeyboard, &state) != 0)
            return std::nullopt;
        return (state & (key == LockKey::CapsLock ? 1u : 2u)) != 0;
    };
#else
    return [](LockKey) { return std::optional<bool>(); };
#endif
}

#endif

} // namespace morva::app
