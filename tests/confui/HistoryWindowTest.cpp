// The history of saves in the console: the History window and Undo of the
// console's own last save.
#include "confui/history/HistoryWindow.h"

#include "app/ConsoleHarness.h"
#include "config/ConfigStore.h"
#include "config/FileHistory.h"
#include "config/Schema.h"
#include "confui/history/HistoryUi.h"
#include "db/DataAliaFile.h"
#include "db/DataSet.h"
#include "db/RecordBytes.h"
#include "platform/testing/FaultInjectingFileSystem.h"
#include "resources/CommandIds.h"
#include "service_gui/GuiTestApp.h"

#include <QApplication>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace morva;
using Op = platform::FaultInjectingFileSystem::Operation;

namespace {

constexpr const char* kKey = "InboundSLSCacheTTL";
const std::string kOriginal = "; ours\r\nInboundSLSCacheTTL=60\r\n";

struct HistoryUiTest : ::testing::Test
{
    HistoryUiTest()
    {
        test::ensureGuiApp();
        console.writeFile("Morva.ini", kOriginal);
        console.create();
        confui::installConfigHistory(console.app->featureSetup());
        if (store().entryCount() == 0)
            config::registerSchema(store());
        store().load();
    }

    config::ConfigStore& store() { return console.environment->configStore(); }
    config::FileHistory& history() { return console.environment->configHistory(); }
    gui::CommandRegistry& commands() { return *console.commands; }
    std::string file()
    {
        std::ifstream in(console.programDir + "Morva.ini", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void saveTtl(int value)
    {
        store().setInt(kKey, value);
        ASSERT_TRUE(store().save({"Options: Anti-spam"}));
        QApplication::processEvents();
    }

    test::ConsoleHarness console;
};

} // namespace

TEST_F(HistoryUiTest, UndoTakesBackTheConsolesOwnLastSaveOnly)
{
    EXPECT_FALSE(commands().isEnabled(command::Undo)) << "nothing saved yet";
    EXPECT_TRUE(commands().label(command::Undo).isEmpty());

    saveTtl(120);
    ASSERT_TRUE(commands().isEnabled(command::Undo));
    EXPECT_EQ(commands().label(command::Undo), QStringLiteral("&Undo Last Configuration Save"));
    ASSERT_TRUE(commands().run(command::Undo));
    EXPECT_EQ(file(), kOriginal);
    EXPECT_EQ(store().getInt(kKey), 60);
    EXPECT_EQ(history().entries("Morva.ini").back().source, "undo");

    // Another writer changed the file since: nothing of ours to undo.
    saveTtl(180);
    ASSERT_TRUE(commands().isEnabled(command::Undo));
    console.writeFile("Morva.ini", "InboundSLSCacheTTL=999\r\n; theirs, a different size\r\n");
    EXPECT_FALSE(commands().isEnabled(command::Undo));
    EXPECT_TRUE(commands().label(command::Undo).isEmpty());
    EXPECT_FALSE(commands().run(command::Undo));
}

TEST_F(HistoryUiTest, WindowShowsEachSavesChangesAndRestoresAVersion)
{
    saveTtl(120);
    store().setString("OutboundSMTPAuthPassword", "hunter2");
    ASSERT_TRUE(store().save({"Options: Connections"}));

    confui::HistoryWindow window(store(), history(), *console.fileSystem, English);
    ASSERT_EQ(window.list()->topLevelItemCount(), 2);
    EXPECT_EQ(window.list()->topLevelItem(0)->text(3), QStringLiteral("Options: Connections"));
    EXPECT_EQ(window.list()->topLevelItem(1)->text(4), QStringLiteral("1"));
    // The newest save: the password, masked.
    const QString newest = window.changes()->toPlainText();
    EXPECT_TRUE(newest.contains(QStringLiteral("OutboundSMTPAuthPassword")))
        << newest.toStdString();
    EXPECT_FALSE(newest.contains(QStringLiteral("hunter2")));

    window.list()->setCurrentItem(window.list()->topLevelItem(1));
    EXPECT_EQ(window.changes()->toPlainText(),
              QStringLiteral("InboundSLSCacheTTL: 60  \u2192  120\n"));
    window.comparison()->setCurrentIndex(1); // the version before it against the file now
    EXPECT_EQ(window.changes()->toPlainText().count(QLatin1Char('\n')), 2)
        << window.changes()->toPlainText().toStdString();

    ASSERT_TRUE(window.restoreSelected());
    EXPECT_EQ(file(), kOriginal);
    window.reload();
    EXPECT_EQ(window.list()->topLevelItem(0)->text(3), QStringLiteral("restore"));
}

TEST_F(HistoryUiTest, WindowListsRecordFileVersionsAndRestoresOneUnderTheLockOnceConfirmed)
{
    const std::string original = test::aliasRecord("a@x.com", "b@y.com", false);
    console.writeFile("DataAlia.DAT", original);
    platform::FaultInjectingFileSystem fs(*console.fileSystem);
    config::FileHistory recordHistory(fs, console.clock, console.programDir + "History/", "ann",
                                      "gw1");
    db::DataSet data(fs, console.clock, console.programDir, {});
    data.setHistory(&recordHistory);
    ASSERT_TRUE(data.acquire(1)); // an editing session adds a record
    ASSERT_TRUE(data.aliaFile()->newRecord(false));
    data.aliaFile()->setForwardAddress("c@x.com");
    ASSERT_TRUE(data.release());
    const std::string edited = original + test::aliasRecord("c@x.com", "", false);
    std::ifstream check(console.programDir + "DataAlia.DAT", std::ios::binary);
    ASSERT_EQ(std::string(std::istreambuf_iterator<char>(check), {}), edited);

    confui::HistoryWindow window(store(), recordHistory, fs, English);
    window.setDataSet(&data);
    window.fileChoice()->setCurrentIndex(
        window.fileChoice()->findData(QStringLiteral("DataAlia.DAT")));
    ASSERT_EQ(window.list()->topLevelItemCount(), 1);
    EXPECT_EQ(window.list()->headerItem()->text(4), QStringLiteral("Records"));
    EXPECT_EQ(window.list()->topLevelItem(0)->text(4), QStringLiteral("1"));
    EXPECT_EQ(window.changes()->toPlainText(), QStringLiteral("+ c@x.com\n"));
    auto readAlias = [&] {
        std::ifstream in(console.programDir + "DataAlia.DAT", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };

    // No: nothing happens. A replace that fails: told, the file unchanged.
    console.messages.setAnswer(gui::MessageAnswer::No);
    window.restoreButton()->click();
    EXPECT_EQ(readAlias(), edited);
    console.messages.setAnswer(gui::MessageAnswer::Yes);
    fs.injectFault(2, platform::FaultInjectingFileSystem::Fault::FailOnce, platform::FileError::Io,
                   Op::Rename);
    window.restoreButton()->click();
    EXPECT_EQ(readAlias(), edited);
    ASSERT_EQ(console.messages.messages().size(), 3u);
    EXPECT_EQ(console.messages.messages()[0].kind, gui::MessageKind::Question);
    EXPECT_TRUE(console.messages.messages()[0].text.startsWith(
        QStringLiteral("Put DataAlia.DAT back as it was before ")));
    EXPECT_EQ(console.messages.messages()[2].kind, gui::MessageKind::Failure);
    EXPECT_EQ(console.messages.messages()[2].text,
              QStringLiteral("DataAlia.DAT could not be restored (input/output error). "
                             "The file is unchanged."));
    EXPECT_FALSE(data.isOpen()) << "the lock is given back";

    fs.clearFault();
    window.list()->setCurrentItem(
        window.list()->topLevelItem(window.list()->topLevelItemCount() - 1));
    window.restoreButton()->click();
    EXPECT_EQ(readAlias(), original);
    EXPECT_EQ(console.messages.messages().size(), 4u) << "only the question";
    EXPECT_EQ(window.list()->topLevelItem(0)->text(3), QStringLiteral("restore"));
    EXPECT_FALSE(data.isOpen());

    // Without a data set record files are listed, not restored.
    window.setDataSet(nullptr);
    EXPECT_FALSE(window.restoreButton()->isEnabled());
    EXPECT_EQ(window.list()->topLevelItemCount(), 3);
}

TEST_F(HistoryUiTest, WindowSaysWhichVersionCannotBeReadInsteadOfComparingItAsEmpty)
{
    saveTtl(120);
    platform::FaultInjectingFileSystem fs(*console.fileSystem);
    confui::HistoryWindow window(store(), history(), fs, English);
    ASSERT_EQ(window.changes()->toPlainText(),
              QStringLiteral("InboundSLSCacheTTL: 60  \u2192  120\n"));

    // The file as it is now cannot be read: said so, not "every key removed".
    fs.injectFault(1, platform::FaultInjectingFileSystem::Fault::FailFromThen,
                   platform::FileError::AccessDenied, Op::Open);
    window.reload();
    EXPECT_EQ(window.changes()->toPlainText(),
              QStringLiteral("Morva.ini could not be read (access denied), so no changes against "
                             "it can be shown."));

    // A kept copy damaged in place (same size, other bytes).
    fs.clearFault();
    const std::string copy =
        console.programDir + "History/Morva.ini." + history().entries("Morva.ini").back().id;
    std::string bytes = kOriginal;
    bytes[bytes.size() - 3] = '9';
    std::ofstream(copy, std::ios::binary | std::ios::trunc) << bytes;
    window.reload();
    EXPECT_TRUE(window.changes()->toPlainText().startsWith(
        QStringLiteral("The version of Morva.ini kept on ")))
        << window.changes()->toPlainText().toStdString();
}
