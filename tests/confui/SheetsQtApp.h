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
        static QApplication app(argc, argv);
    }
};
