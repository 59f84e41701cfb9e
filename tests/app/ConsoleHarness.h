#pragma once

#include "app/AdminSettings.h"
#include "app/ConsoleApp.h"
#include "app/Cwm_MainWnd.h"
#include "gui/AppEnvironment.h"
#include "gui/CommandRegistry.h"
#include "gui/MessageBox.h"
#include "platform/AddOnProbe.h"
#include "platform/Clock.h"
#include "platform/RegionalLanguage.h"
#include "platform/SystemFileSystem.h"
#include "platform/testing/FakeAddOnProbe.h"
#include "platform/testing/FakeUrlOpener.h"
#include "platform/testing/FakeVersionResource.h"

#include <QTemporaryDir>
#include <fstream>
#include <memory>
#include <string>

namespace morva::test {

// A console on a scratch program directory with the real file system and
// fakes for everything else; message boxes are caught.
struct ConsoleHarness
{
    QTemporaryDir dir;
    std::string programDir = dir.path().toStdString() + "/";
    std::unique_ptr<platform::FileSystem> fileSystem = platform::makeSystemFileSystem();
    platform::FakeClock clock;
    platform::FixedRegionalLanguage regional{"ENG"};
    platform::FakeAddOnProbe addOn{false};
    platform::FakeUrlOpener urls;
    platform::FakeVersionResource versions;
    std::unique_ptr<app::AdminSettings> settings =
        app::AdminSettings::inFile(dir.filePath(QStringLiteral("settings.ini")));
    gui::ScopedMessageCatcher messages;
    std::unique_ptr<gui::AppEnvironment> environment;
    std::unique_ptr<gui::CommandRegistry> commands;
    std::unique_ptr<app::ConsoleApp> app;

    void writeFile(const std::string& name, const std::string& content)
    {
        std::ofstream(programDir + name, std::ios::binary) << content;
    }

    // Builds the console; runs the first idle pass when `start` is set.
    app::ConsoleApp& create(bool start = true)
    {
        gui::PlatformServices services{*fileSystem, clock, regional, addOn, urls, versions};
        environment = std::make_unique<gui::AppEnvironment>(services, programDir,
                                                            programDir + "morva-admin", "");
        commands = std::make_unique<gui::CommandRegistry>();
        app = std::make_unique<app::ConsoleApp>(*environment, *settings, *commands);
        app->initInstance();
        if (start)
            app->onFirstIdle();
        return *app;
    }
    app::Cwm_MainWnd& window() { return *app->mainWindow(); }
};

} // namespace morva::test
