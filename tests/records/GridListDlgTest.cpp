#include "RecordFixture.h"
#include "confui/Cwm_DomainListDialogDlg.h"
#include "confui/EntryEditDialog.h"
#include "confui/ListBox.h"
#include "records/Cwm_EntrySheet.h"
#include "records/Cwm_PairedListDlg.h"
#include "records/Cwm_RouteListDlg.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>

using namespace morva;
using namespace morva::records;
using Strings = std::vector<std::string>;
using Fault = platform::FaultInjectingFileSystem::Fault;
using Op = platform::FaultInjectingFileSystem::Operation;

namespace {

constexpr const char* kSource = "SMTPAddressTranslationDomainSource";
constexpr const char* kTarget = "SMTPAddressTranslationDomainTarget";
const QString kUnableToWrite = QStringLiteral("Unable to write morva.ini!");

class GridListDlgTest : public test::RecordFixture
{
protected:
    void load(const std::string& bytes)
    {
        m_scratch.write("Morva.ini", bytes);
        ASSERT_TRUE(m_store.load());
    }
    // Answers the next entry sheet with `values`.
    std::function<int(QDialog&)> fillSheet(QStringList values)
    {
        return [values](QDialog& dialog) {
            auto& sheet = dynamic_cast<Cwm_EntrySheet&>(dialog);
            sheet.setValues(values);
            return accept(dialog);
        };
    }
};

TEST_F(GridListDlgTest, DeletingTheOnlyTranslationDisablesEditAndDelete)
{
    load(std::string(kSource) + "=a.com\r\n" + kTarget + "=b.com\r\n");
    Cwm_TransListDlg list(m_context, translateDomainList());
    list.refill();
    ASSERT_EQ(list.model()->rowCount(), 1);
    EXPECT_TRUE(list.editButton()->isEnabled());
    list.deleteEntry();
    EXPECT_EQ(list.model()->rowCount(), 0);
    EXPECT_FALSE(list.editButton()->isEnabled());
    EXPECT_FALSE(list.deleteButton()->isEnabled());
    EXPECT_EQ(messageTexts(), std::vector<QString>{QStringLiteral("Delete selected translation")});
    EXPECT_TRUE(m_store.getList(kSource).empty());
    EXPECT_EQ(m_scratch.read("Morva.ini").find("a.com"), std::string::npos) << "saved at once";
}

TEST_F(GridListDlgTest, SaveNotConfirmedDurableIsSaidAndTheNextSaveGoesThrough)
{
    load(std::string(kSource) + "=a.com\r\n" + kTarget + "=b.com\r\n");
    Cwm_TransListDlg list(m_context, translateDomainList());
    list.refill();
    m_fs.resetCounts();
    m_fs.injectFault(1, Fault::FailOnce, platform::FileError::Io, Op::SyncDirectory);
    answer = fillSheet({QStringLiteral("c.com"), QStringLiteral("d.com")});
    list.newEntry();
    ASSERT_EQ(m_messages.messages().size(), 1u);
    EXPECT_EQ(m_messages.messages()[0].kind, gui::MessageKind::Notice);
    EXPECT_TRUE(m_messages.messages()[0].text.startsWith(
        QStringLiteral("The settings were written to morva.ini")));
    EXPECT_NE(m_scratch.read("Morva.ini").find("=c.com"), std::string::npos);

    answer = fillSheet({QStringLiteral("e.com"), QStringLiteral("f.com")});
    list.newEntry();
    EXPECT_EQ(m_messages.messages().size(), 1u) << "not refused as changed on disk";
    EXPECT_NE(m_scratch.read("Morva.ini").find("=e.com"), std::string::npos);
}

TEST_F(GridListDlgTest, FailedSaveIsReportedAndTheChangeKeptForTheNextSave)
{
    load(std::string(kSource) + "=a.com\r\n" + kTarget + "=b.com\r\n");
    Cwm_TransListDlg list(m_context, translateDomainList());
    list.refill();
    const std::string before = m_scratch.read("Morva.ini");
    m_fs.resetCounts();
    m_fs.injectFault(1, Fault::FailFromThen, platform::FileError::AccessDenied,
                     Op::CreateTemporary);
    answer = fillSheet({QStringLiteral("c.com"), QStringLiteral("d.com")});
    list.newEntry();
    ASSERT_EQ(m_messages.messages().size(), 1u);
    EXPECT_TRUE(m_messages.messages()[0].text.startsWith(kUnableToWrite));
    EXPECT_EQ(m_scratch.read("Morva.ini"), before);
    EXPECT_EQ(list.model()->rowCount(), 2) << "the change stays in memory";
    EXPECT_EQ(m_store.getList(kTarget), (Strings{"b.com", "d.com"}));

    m_fs.clearFault();
    answer = fillSheet({QStringLiteral("A.com"), QStringLiteral("B.com")});
    list.grid()->selectRow(0);
    list.editEntry();
    EXPECT_EQ(m_messages.messages().size(), 1u);
    const std::string saved = m_scratch.read("Morva.ini");
    EXPECT_NE(saved.find("=c.com"), std::string::npos) << "the earlier change reached the file";
    EXPECT_NE(saved.find("=a.com"), std::string::npos) << "stored in the key's lower case";
}

TEST_F(GridListDlgTest, RouteGridWritesWhatTheGatewayReads)
{
    load("SMTPStaticRoute=a.com:h1:1\r\nSMTPStaticRoute=nohost.com\r\n");
    Cwm_RouteListDlg routes(m_context, "SMTPStaticRoute");
    routes.refill();
    ASSERT_EQ(routes.model()->rowCount(), 1);
    EXPECT_EQ(routes.model()->rowAt(0).value(2), QStringLiteral("25"));
    answer =
        fillSheet({QStringLiteral("b.com"), QStringLiteral("2001:db8::1"), QStringLiteral("587")});
    routes.newEntry();
    EXPECT_EQ(routes.grid()->currentIndex().row(), 1) << "the new entry is selected";
    EXPECT_EQ(m_store.getList("SMTPStaticRoute"),
              (Strings{"a.com:h1:25", "b.com:\"2001:db8::1\":587"}));
    EXPECT_TRUE(m_messages.messages().empty());
    EXPECT_EQ(m_scratch.read("Morva.ini").find("nohost"), std::string::npos);
}

TEST_F(GridListDlgTest, EntrySheetRefusesBlankAndOutOfRangeFields)
{
    load("");
    Cwm_RouteListDlg routes(m_context, "ExchStaticRoute");
    routes.refill();
    int refused = 0;
    answer = [&](QDialog& dialog) {
        auto& sheet = dynamic_cast<Cwm_EntrySheet&>(dialog);
        for (const QStringList& values :
             {QStringList{"", "h", "25"}, QStringList{"d", " ", "25"},
              QStringList{"d", "h", "70000"}, QStringList{"d", "h", "x"}}) {
            sheet.setValues(values);
            refused += accept(dialog) == QDialog::Rejected;
        }
        return static_cast<int>(QDialog::Rejected);
    };
    routes.newEntry();
    EXPECT_EQ(refused, 4);
    EXPECT_EQ(m_messages.messages().size(), 4u);
    EXPECT_EQ(routes.model()->rowCount(), 0);
    EXPECT_TRUE(m_store.getList("ExchStaticRoute").empty());
}

TEST_F(GridListDlgTest, EntriesThatWouldReadBackAsAnotherEntryAreRefused)
{
    load("");
    Cwm_RouteListDlg routes(m_context, "SMTPStaticRoute");
    routes.refill();
    std::vector<QString> refusals;
    answer = [&](QDialog& dialog) {
        auto& sheet = dynamic_cast<Cwm_EntrySheet&>(dialog);
        for (const QStringList& values :
             {QStringList{"a.com:mx", "h", "25"}, QStringList{"\"a.com\"", "h", "25"},
              QStringList{"d.com", "h\"1\"", "25"}, QStringList{"d.com", "h", "1"},
              QStringList{"d.com", "h;x", "25"}, QStringList{"d\u0142.com", "h", "25"}}) {
            const std::size_t before = m_messages.messages().size();
            sheet.setValues(values);
            if (accept(dialog) == QDialog::Rejected && m_messages.messages().size() == before + 1)
                refusals.push_back(m_messages.messages().back().text);
        }
        sheet.setValues({"d.com", "2001:db8::1", "2"});
        return accept(dialog);
    };
    routes.newEntry();
    ASSERT_EQ(refusals.size(), 6u);
    EXPECT_TRUE(refusals[0].contains(QStringLiteral("colon")));
    EXPECT_TRUE(refusals[2].contains(QStringLiteral("double quote")));
    EXPECT_TRUE(refusals[3].contains(QStringLiteral("from 2 to 65535")));
    EXPECT_TRUE(refusals[4].contains(QStringLiteral("semicolon")));
    EXPECT_EQ(m_store.getList("SMTPStaticRoute"), Strings{"d.com:\"2001:db8::1\":2"});
    ASSERT_TRUE(m_store.load());
    routes.refill();
    ASSERT_EQ(routes.model()->rowCount(), 1);
    EXPECT_EQ(routes.model()->rowAt(0).value(1), QStringLiteral("2001:db8::1"));
    EXPECT_EQ(routes.model()->rowAt(0).value(2), QStringLiteral("2")) << "read back as stored";

    Cwm_TransListDlg translations(m_context, translateDomainList());
    translations.refill();
    int refused = 0;
    answer = [&](QDialog& dialog) {
        auto& sheet = dynamic_cast<Cwm_EntrySheet&>(dialog);
        sheet.setValues({"a.com", "b.com;c.com"});
        refused += accept(dialog) == QDialog::Rejected;
        sheet.setValues({"a.com", "b.com"});
        return accept(dialog);
    };
    translations.newEntry();
    EXPECT_EQ(refused, 1);
    ASSERT_TRUE(m_store.load());
    EXPECT_EQ(m_store.getList(kTarget), Strings{"b.com"});
}

TEST_F(GridListDlgTest, PortColumnShowsLongPortsAfterARefill)
{
    load("SMTPStaticRoute=a.com:h1:25\r\n");
    Cwm_RouteListDlg routes(m_context, "SMTPStaticRoute");
    routes.refill();
    routes.show();
    QCoreApplication::processEvents();
    answer = fillSheet({QStringLiteral("b.com"), QStringLiteral("h2"), QStringLiteral("65535")});
    routes.newEntry();
    QCoreApplication::processEvents();
    QTableView* grid = routes.grid();
    const int needed = grid->fontMetrics().horizontalAdvance(QStringLiteral("65535"));
    EXPECT_GE(grid->columnWidth(2), needed) << "the port 65535 fits its column";
}

TEST_F(GridListDlgTest, ListEntriesAreCheckedAgainstHowTheirKeyIsStored)
{
    // ExchInboundDomain holds 8-bit texts; OutboundExclSubject is kept as UTF-8.
    load("ExchInboundDomain=\xC5\x82\xC3\xB3"
         "d\xC5\xBA.example\r\n"
         "OutboundExclSubject=Gr\xC3\xBC\xC3\x9F\xC3\xA9\r\n");
    confui::SheetEnvironment environment;
    environment.store = &m_store;
    environment.runDialog = [this](QDialog& dialog) { return answer(dialog); };
    int refused = 0;
    auto enter = [&](QStringList tries) {
        return [&refused, tries](QDialog& dialog) {
            auto& entry = dynamic_cast<confui::EntryEditDialog&>(dialog);
            for (qsizetype i = 0; i + 1 < tries.size(); i += 2) {
                entry.setFields({tries[i]});
                entry.setComment(tries[i + 1]);
                if (accept(dialog) == QDialog::Accepted)
                    return static_cast<int>(QDialog::Accepted);
                ++refused;
            }
            return static_cast<int>(QDialog::Rejected);
        };
    };
    const QString lodz = QStringLiteral("\u0142\u00F3d\u017A.example");
    confui::ListBinding domains("ExchInboundDomain", "EditDomain", confui::ListKind::Text);
    domains.load(m_store);
    confui::ListBox domainBox(domains, environment);
    EXPECT_EQ(domainBox.view()->model()->index(0, 0).data().toString(), lodz);
    answer = enter({lodz, QString(), QStringLiteral("b.example"), lodz,
                    QStringLiteral("b\u00E9.example"), QStringLiteral("\u20AC")});
    domainBox.newEntry();
    EXPECT_EQ(refused, 2);
    EXPECT_EQ(domains.values().back(), "b\xE9.example");
    EXPECT_EQ(domains.comments().back(), "\x80");
    answer = [](QDialog& dialog) { return accept(dialog); };
    domainBox.view()->selectRow(0);
    domainBox.editEntry();
    EXPECT_EQ(domains.values().front(), "\xC5\x82\xC3\xB3"
                                        "d\xC5\xBA.example")
        << "an unchanged entry keeps its bytes";

    refused = 0;
    confui::ListBinding subjects("OutboundExclSubject", "EditSubj", confui::ListKind::Converted);
    subjects.load(m_store);
    confui::ListBox subjectBox(subjects, environment);
    EXPECT_EQ(subjectBox.view()->model()->index(0, 0).data().toString(),
              QStringLiteral("Gr\u00FC\u00DF\u00E9"));
    answer = enter({QStringLiteral("\U0001F600"), QString(), lodz, QString()});
    subjectBox.newEntry();
    EXPECT_EQ(refused, 1) << "beyond what the list keeps";
    subjects.save(m_store);
    EXPECT_EQ(m_store.getList("OutboundExclSubject"),
              (Strings{"Gr\xC3\xBC\xC3\x9F\xC3\xA9", "\xC5\x82\xC3\xB3"
                                                     "d\xC5\xBA.example"}));
}

TEST_F(GridListDlgTest, DomainListSavesOnOkWithCommentsAndNothingOnCancel)
{
    load("; the first domain\r\nExchInboundDomain=corp.example\r\n");
    const std::string before = m_scratch.read("Morva.ini");
    auto addDomain = [](QString domain, QString comment) {
        return [domain, comment](QDialog& dialog) {
            auto& entry = dynamic_cast<confui::EntryEditDialog&>(dialog);
            entry.setFields({domain});
            entry.setComment(comment);
            return accept(dialog);
        };
    };
    {
        confui::Cwm_DomainListDialogDlg list(*m_context.store, m_context.language,
                                             m_context.runDialog);
        ASSERT_EQ(list.listBox()->view()->model()->rowCount(), 1);
        answer = addDomain(QStringLiteral("branch.example"), QStringLiteral("new office"));
        list.listBox()->newEntry();
        EXPECT_EQ(list.domains(), (Strings{"corp.example", "branch.example"}));
        list.reject();
    }
    EXPECT_EQ(m_scratch.read("Morva.ini"), before) << "Cancel writes nothing";
    EXPECT_EQ(m_store.getList("ExchInboundDomain"), Strings{"corp.example"});

    confui::Cwm_DomainListDialogDlg list(*m_context.store, m_context.language, m_context.runDialog);
    answer = addDomain(QStringLiteral(" Branch.Example"), QStringLiteral("new office"));
    list.listBox()->newEntry();
    list.listBox()->view()->clearSelection();
    list.listBox()->view()->selectRow(0);
    list.listBox()->deleteEntries(); // asks; the catcher answers yes
    m_fs.resetCounts();
    m_fs.injectFault(1, Fault::FailFromThen, platform::FileError::AccessDenied,
                     Op::CreateTemporary);
    list.accept();
    ASSERT_FALSE(m_messages.messages().empty());
    EXPECT_TRUE(m_messages.messages().back().text.startsWith(kUnableToWrite));
    EXPECT_EQ(list.result(), QDialog::Accepted) << "the dialog closes either way";
    EXPECT_EQ(m_scratch.read("Morva.ini"), before);

    m_fs.clearFault();
    list.accept();
    const std::string saved = m_scratch.read("Morva.ini");
    EXPECT_EQ(saved.find("corp.example"), std::string::npos);
    EXPECT_NE(saved.find("ExchInboundDomain=branch.example"), std::string::npos)
        << "trimmed and in lower case, as the key wants";
    EXPECT_NE(saved.find("new office"), std::string::npos) << "the comment is kept with its entry";
}

} // namespace
