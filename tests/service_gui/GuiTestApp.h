#pragma once

#include <QApplication>

namespace morva::test {

// The application object the widget tests need, created once.
inline void ensureGuiApp()
{
    if (QApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "morva-gui-tests";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
}

} // namespace morva::test
