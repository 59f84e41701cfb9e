#pragma once

#include <QApplication>
#include <gtest/gtest.h>

// One QApplication for the widget tests of a test executable.
class SheetsQtApp : public ::testing::Environment
{
public:
    void SetUp() override
    {
        if (QApplication::instance())
            return;
        static int argc = 1;
        static char name[] = "morva-confui-tests";
        static char* argv[] = {name, nullptr};
        // Kept for the whole process: destroyed by the exit handlers it
        // would outlive the input devices that shortcuts and key events
        // create, and crash.
        static QApplication* app = new QApplication(argc, argv);
        (void)app;
    }
};
