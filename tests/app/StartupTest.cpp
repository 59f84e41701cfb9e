#include "ConsoleHarness.h"
#include "config/ConfigStore.h"
#include "config/Schema.h"
#include "resources/CommandIds.h"
#include "resources/Texts.h"

#include <QAction>
#include <QMenuBar>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace c = morva::command;
using morva::gui::MessageKind;
using morva::test::ConsoleHarness;

namespace {

QStringList menuTitles(QMenuBar* bar)
{
    QStringList titles;
    for (QAction* action : bar->actions())
        titles << action->text();
    return titles;
}

TEST(Startup, LanguageFromConfigurationReplacesRegionalLanguage)
{
    ConsoleHarness h;
    h.writeFile("Morva.ini", "Language=deu\r\nIniWizard=False\r\n");
    h.create();
    EXPECT_EQ(h.environment->languageIndex(), morva::German);
    EXPECT_EQ(h.window().languageIndex(), morva::German);
    EXPECT_EQ(menuTitles(h.window().menuBar()).first(), QStringLiteral("&Datei"));
    EXPECT_EQ(h.window().action(c::Exit)->text(),
              QString::fromUtf8(morva::text("app.label.57665", morva::German).data()));
    EXPECT_EQ(h.window().paneText(0), QStringLiteral("Bereit"));
    EXPECT_EQ(h.window().menuInstallCount(), 2); // regional English, then German
}

TEST(Startup, MenuIsNotReloadedWhenTheLanguageStaysTheSame)
{
    ConsoleHarness h;
    h.regional.setCode("DES");
    h.writeFile("Morva.ini", "Language=DEU\r\nIniWizard=False\r\n");
    h.create();
    EXPECT_EQ(h.window().languageIndex(), morva::German);
    EXPECT_EQ(h.window().menuInstallCount(), 1);
}

TEST(Startup, EveryLanguageLabelsEveryMenuCommand)
{
    for (int language = 0; language < morva::kLanguageCount; ++language) {
        ConsoleHarness h;
        h.create(false);
        h.window().installMenu(language);
        for (QAction* top : h.window().menuBar()->actions()) {
            ASSERT_TRUE(top->menu());
            for (QAction* item : top->menu()->actions())
                if (!item->isSeparator()) {
                    EXPECT_FALSE(item->text().startsWith(QStringLiteral("app.")))
                        << "language " << language << ": " << item->text().toStdString();
                }
        }
    }
}

struct VersionCase
{
    morva::platform::FileVersion version;
    const char* shown; // nullptr: no message
};

class VersionCheck : public testing::TestWithParam<VersionCase>
{
};

TEST_P(VersionCheck, MismatchNamesBothVersions)
{
    ConsoleHarness h;
    h.writeFile("Morva.ini", "IniWizard=False\r\n");
    h.versions.setVersion(h.programDir + "gwcored.exe", GetParam().version);
    h.create();
    if (!GetParam().shown) {
        EXPECT_TRUE(h.messages.messages().empty());
        return;
    }
    ASSERT_EQ(h.messages.messages().size(), 1u);
    const auto& message = h.messages.messages().front();
    EXPECT_EQ(message.kind, MessageKind::Failure);
    EXPECT_EQ(message.text.toStdString(),
              std::string("Version of GWConsole (Morva v3.53) does not match the version of "
                          "GWCored (") +
                  GetParam().shown + ")");
}

INSTANTIATE_TEST_SUITE_P(Versions, VersionCheck,
                         testing::Values(VersionCase{{3, 53, 2, 0}, "3.53b"},
                                         VersionCase{{3, 53, 0, 1}, "3.53"},
                                         VersionCase{{3, 52, 1, 0}, "3.52a"},
                                         VersionCase{{3, 53, 0, 0}, nullptr}));

TEST(Startup, VersionCheckIsSkippedWhenSwitchedOffOrUnreadable)
{
    ConsoleHarness off;
    off.writeFile("Morva.ini", "IniWizard=False\r\nAdminCheckExeVersion=False\r\n");
    off.versions.setVersion(off.programDir + "gwcored.exe", {3, 40, 0, 0});
    off.create();
    EXPECT_TRUE(off.messages.messages().empty());

    ConsoleHarness missing; // no version resource at all
    missing.writeFile("Morva.ini", "IniWizard=False\r\n");
    missing.create();
    EXPECT_TRUE(missing.messages.messages().empty());
}

TEST(Startup, FirstRunWithoutConfigurationRunsEveryStepInOrder)
{
    ConsoleHarness h;
    h.addOn.setInstalled(true);
    h.create(false);
    std::vector<std::string> order;
    auto& store = h.environment->configStore();
    h.app->firstRunSteps().optionsWizard = [&] {
        order.push_back("wizard");
        store.setString("Postmaster", "postmaster@Example.ORG");
    };
    h.app->firstRunSteps().exchangeDomainList = [&] {
        order.push_back("domains:" + store.getList("ExchInboundDomain").back());
    };
    h.app->firstRunSteps().serviceDialog = [&] { order.push_back("service"); };
    h.app->onFirstIdle();

    EXPECT_EQ(order, (std::vector<std::string>{"wizard", "domains:example.org", "service"}));
    // Address pattern lists keep "*@domain" as "@domain".
    EXPECT_EQ(store.getList("InboundExclBlockFromAddress"),
              std::vector<std::string>{"@brentmoor.example"});
    EXPECT_EQ(store.getList("OutboundExclBlockToAddress"),
              std::vector<std::string>{"@brentmoor.example"});
    EXPECT_EQ(store.getInt("AdminMVFQueryStatus"), 1);
    // The domain step saved the configuration.
    morva::config::ConfigStore reread(*h.fileSystem, h.clock, h.programDir);
    morva::config::registerSchema(reread);
    ASSERT_TRUE(reread.load());
    EXPECT_EQ(reread.getList("ExchInboundDomain"), std::vector<std::string>{"example.org"});
    EXPECT_EQ(reread.getList("InboundExclBlockFromAddress"),
              std::vector<std::string>{"@brentmoor.example"});
}

TEST(Startup, UnreadableConfigurationIsReportedAndNeitherWizardNorSaveTouchesIt)
{
    ConsoleHarness h;
    const std::string content = "IniWizard=True\r\nPostmaster=pm@example.org\r\n";
    h.writeFile("Morva.ini", content);
    // The gateway (or an editor) holds the file without sharing it.
    auto held = h.fileSystem->open(h.programDir + "Morva.ini", 2);
    ASSERT_TRUE(held);
    h.create(false);
    bool wizard = false;
    h.app->firstRunSteps().optionsWizard = [&] { wizard = true; };
    h.app->onFirstIdle();

    EXPECT_FALSE(wizard);
    ASSERT_EQ(h.messages.messages().size(), 1u);
    const auto& message = h.messages.messages()[0];
    EXPECT_EQ(message.kind, MessageKind::Failure);
    EXPECT_TRUE(message.text.contains(QString::fromStdString(h.programDir + "Morva.ini")));
    EXPECT_TRUE(message.text.contains(
        QString::fromUtf8(morva::text("app.fileError.inUse", morva::English).data())));

    // Every save is refused, also once the file can be read again: the
    // console holds defaults, not the file's settings.
    auto& store = h.environment->configStore();
    store.setString("Postmaster", "other@example.org");
    EXPECT_FALSE(store.save());
    held.reset();
    EXPECT_FALSE(store.save());
    std::ifstream in(h.programDir + "Morva.ini", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), content);
}

TEST(Startup, RepeatedFirstRunDoesNotDuplicateEntries)
{
    ConsoleHarness h;
    h.writeFile("Morva.ini", "Postmaster=pm@example.org\r\nExchInboundDomain=example.org\r\n"
                             "InboundExclBlockFromAddress=*@brentmoor.example\r\n");
    h.create();
    auto& store = h.environment->configStore();
    EXPECT_EQ(store.getList("ExchInboundDomain"), std::vector<std::string>{"example.org"});
    EXPECT_EQ(store.getList("InboundExclBlockFromAddress").size(), 1u);
    EXPECT_EQ(store.getInt("AdminMVFQueryStatus"), 0); // add-on absent
}

TEST(Startup, FlagsFollowTheConfiguration)
{
    ConsoleHarness h;
    h.writeFile("Morva.ini", "IniWizard=False\r\nServiceControl=False\r\n"
                             "ExchInboundEMailAddress=True\r\n");
    h.addOn.setInstalled(true);
    h.create();
    EXPECT_FALSE(h.app->serviceOn());
    EXPECT_TRUE(h.app->exchAddrListOn());
    EXPECT_EQ(h.environment->configStore().getInt("AdminMVFQueryStatus"), 1);
    EXPECT_FALSE(h.commands->isEnabled(c::Service));
}

TEST(Startup, ChecksRunOnceEvenWhenTheFirstIdleComesAgain)
{
    ConsoleHarness h;
    h.create(false);
    int wizards = 0;
    h.app->firstRunSteps().optionsWizard = [&] {
        ++wizards;
        h.app->onFirstIdle(); // a nested event loop reaches the idle pass again
    };
    h.app->onFirstIdle();
    h.app->onFirstIdle();
    EXPECT_EQ(wizards, 1);
    EXPECT_EQ(h.messages.messages().size(), 0u);
}

} // namespace
