// Saves a picture of every record list, record sheet, grid list and entry
// sheet, for looking at layouts in each language:
//   morva_records_shots <output dir> <language 0..4> [forwarding records]
// With a number of forwarding records it takes only the filtered forwarding
// list (lists-filtered.png).
// Run it under Xvfb (or the offscreen platform); it works on a scratch
// program directory with a few records and lists of each kind.
#include "config/ConfigStore.h"
#include "config/Schema.h"
#include "confui/Cwm_DomainListDialogDlg.h"
#include "confui/ListBox.h"
#include "db/CertificateSettings.h"
#include "db/DataSet.h"
#include "db/RecordBytes.h"
#include "gui/ListFilterBar.h"
#include "gui/ListPanel.h"
#include "gui/MessageBox.h"
#include "platform/Clock.h"
#include "platform/PosixFileSystem.h"
#include "records/Cwm_AliasListDlg.h"
#include "records/Cwm_BlockListDlg.h"
#include "records/Cwm_PairedListDlg.h"
#include "records/Cwm_RouteListDlg.h"
#include "records/Cwm_UserListDlg.h"
#include "records/GuiDataSetFeedback.h"
#include "records/RecordContext.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdio>
#include <fstream>
#include <functional>

using namespace morva;

namespace {

void writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// `aliases` > 0: that many forwarding records instead of the three.
void fillProgramDir(const std::string& dir, int aliases)
{
    std::string aliasRecords =
        test::aliasRecord("info@example.com", "anna.berger@example.com", true) +
        test::aliasRecord("sales@example.com", "bruno.keller@example.com", false) +
        test::aliasRecord("support@example.com", "helpdesk@example.net", false);
    if (aliases > 0) {
        aliasRecords.clear();
        for (int i = 1; i <= aliases; ++i)
            aliasRecords += test::aliasRecord(
                "user" + std::to_string(i) + "@branch" + std::to_string(i % 40) + ".example.com",
                "mailbox" + std::to_string(i % 700) + "@example.com", i % 3 == 0);
    }
    writeFile(dir + "DataAlia.DAT", aliasRecords);
    writeFile(dir + "DataBloc.DAT", test::blockRecord(0, "192.167.13.2") +
                                        test::blockRecord(1, "mx.spam-sender.example") +
                                        test::blockRecord(2, "offers@cheap-deals.example") +
                                        test::blockRecord(3, "@lottery-winner.example"));
    writeFile(dir + "DataUser.DAT",
              test::userRecord("anna.berger@example.com", "Anna Berger") +
                  test::userRecord("bruno.keller@example.com", "Bruno Keller") +
                  // The gateway's 8-bit character set, and UTF-8 as morvactl may write it.
                  test::userRecord("j.weiss@example.com", "J\xFCrgen Wei\xDF") +
                  test::userRecord("l.nowak@example.com", "\xC5\x81ukasz Nowak"));
    writeFile(dir + "Morva.ini",
              "ExchInboundDomain=example.com\r\nExchInboundDomain=example.org\r\n"
              "SMTPStaticRoute=partner.example:mx.partner.example:25\r\n"
              "SMTPStaticRoute=branch.example:\"[10.0.0.7]:2525\":2525\r\n"
              "SMTPStaticRoute=lab.example:10.0.0.9:65535\r\n"
              "SMTPAddressTranslationDomainSource=old.example\r\n"
              "SMTPAddressTranslationDomainTarget=example.com\r\n"
              "SMTPAddressTranslationUserSource=info@old.example\r\n"
              "SMTPAddressTranslationUserTarget=info@example.com\r\n"
              "SMTPAddressTranslationDomainAdrSource=legacy.example\r\n"
              "SMTPAddressTranslationDomainAdrTarget=archive@example.com\r\n"
              "SMTPAddressRewriteDomainSource=internal.local\r\n"
              "SMTPAddressRewriteDomainTarget=example.com\r\n"
              "SMTPAddressRewriteUserSource=anna@internal.local\r\n"
              "SMTPAddressRewriteUserTarget=anna.berger@example.com\r\n");
}

class Shooter
{
public:
    Shooter(QString dir) : m_dir(std::move(dir)) {}

    void save(QWidget& widget, const QString& name)
    {
        widget.show();
        QApplication::processEvents();
        widget.grab().save(QStringLiteral("%1/%2.png").arg(m_dir, name));
        std::printf("%s %dx%d\n", name.toLocal8Bit().constData(), widget.width(), widget.height());
    }

    // Answers every dialog: the list is photographed, then `inside` opens
    // its sheets (photographed in turn and cancelled).
    std::function<int(QDialog&)> answer(const QString& listName, std::function<void()> inside)
    {
        return [this, listName, inside](QDialog& dialog) {
            if (m_depth++ == 0) {
                save(dialog, listName);
                if (inside)
                    inside();
            } else {
                save(dialog, listName + QStringLiteral("-sheet%1").arg(++m_sheets));
            }
            --m_depth;
            return static_cast<int>(QDialog::Rejected);
        };
    }

private:
    QString m_dir;
    int m_depth = 0;
    int m_sheets = 0;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/shots");
    const int language = argc > 2 ? std::atoi(argv[2]) : 0;
    const int aliases = argc > 3 ? std::atoi(argv[3]) : 0;
    QDir().mkpath(dir);
    QTemporaryDir scratch;
    const std::string programDir = scratch.path().toStdString() + "/";
    fillProgramDir(programDir, aliases);

    platform::PosixFileSystem fs;
    platform::FakeClock clock;
    records::GuiDataSetFeedback feedback(nullptr);
    db::DataSet dataSet(fs, clock, programDir, db::CertificateSettings{}, &feedback, language);
    config::ConfigStore store(fs, clock, programDir);
    config::registerSchema(store);
    store.load();
    gui::ScopedMessageCatcher messages;

    records::RecordContext context;
    context.dataSet = &dataSet;
    context.store = &store;
    context.language = language;
    auto shoot = [&](const QString& name, auto&& makeList, auto&& openSheets) {
        Shooter shooter(dir);
        records::RecordContext local = context;
        decltype(makeList(local)) list;
        local.runDialog = shooter.answer(name, [&] { openSheets(*list); });
        list = makeList(local);
        list->run();
    };
    auto recordSheets = [](records::Cwm_RecordListDlg& list) {
        list.newRecord();
        list.editRecord();
    };
    auto gridSheets = [](records::Cwm_GridListDlg& list) {
        list.newEntry();
        list.editEntry();
    };
    using namespace records;
    if (aliases > 0) {
        Shooter shooter(dir);
        records::RecordContext local = context;
        Cwm_AliasListDlg* shown = nullptr;
        local.runDialog = [&](QDialog& dialog) {
            dialog.resize(860, 560);
            shown->grid()->sortByColumn(2, Qt::AscendingOrder);
            shown->panel()->filterBar()->field()->setText(QStringLiteral("user12"));
            shown->panel()->showRow(0);
            shooter.save(dialog, QStringLiteral("lists-filtered"));
            return static_cast<int>(QDialog::Rejected);
        };
        Cwm_AliasListDlg list(local);
        shown = &list;
        list.run();
        return 0;
    }
    shoot(
        QStringLiteral("alias-list"),
        [](const RecordContext& c) { return std::make_unique<Cwm_AliasListDlg>(c); }, recordSheets);
    shoot(
        QStringLiteral("block-list"),
        [](const RecordContext& c) { return std::make_unique<Cwm_BlockListDlg>(c); },
        [](Cwm_RecordListDlg& list) {
            list.newRecord();
            // The record of the unknown type 3, to see how it shows.
            list.grid()->setCurrentIndex(list.model()->index(3, 1));
            list.editRecord();
        });
    shoot(
        QStringLiteral("user-list"),
        [](const RecordContext& c) { return std::make_unique<Cwm_UserListDlg>(c); }, recordSheets);
    shoot(
        QStringLiteral("domain-list"),
        [](const RecordContext& c) {
            return std::make_unique<confui::Cwm_DomainListDialogDlg>(*c.store, c.language,
                                                                     c.runDialog);
        },
        [](confui::Cwm_DomainListDialogDlg& list) { list.listBox()->newEntry(); });
    shoot(
        QStringLiteral("route-list"),
        [](const RecordContext& c) {
            return std::make_unique<Cwm_RouteListDlg>(c, "SMTPStaticRoute");
        },
        gridSheets);
    const struct
    {
        const char* name;
        const PairedListKind& (*kind)();
        bool rewrite;
    } grids[] = {
        {"trans-domain", translateDomainList, false},
        {"trans-user", translateMailboxList, false},
        {"trans-domain-adr", translateDomainToAddressList, false},
        {"rewrite-domain", rewriteDomainList, true},
        {"rewrite-user", rewriteMailboxList, true},
    };
    for (const auto& grid : grids) {
        if (grid.rewrite)
            shoot(
                QString::fromLatin1(grid.name),
                [&](const RecordContext& c) {
                    return std::make_unique<Cwm_RewriteListDlg>(c, grid.kind(), nullptr);
                },
                gridSheets);
        else
            shoot(
                QString::fromLatin1(grid.name),
                [&](const RecordContext& c) {
                    return std::make_unique<Cwm_TransListDlg>(c, grid.kind(), nullptr);
                },
                gridSheets);
    }
    for (const gui::MessageRequest& message : messages.messages())
        std::printf("message: %s\n", message.text.toLocal8Bit().constData());
    std::printf("pictures in %s\n", dir.toLocal8Bit().constData());
    return 0;
}
