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
    // Kept for the whole process: destroyed by the exit handlers it would
    // outlive the input devices that shortcuts and key events create.
    static QApplication* app = new QApplication(argc, argv);
    (void)app;
}

} // namespace morva::test
