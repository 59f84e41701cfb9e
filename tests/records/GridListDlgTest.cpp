#include "RecordFixture.h"
#include "confui/EntryEditDialog.h"
#include "confui/ListBox.h"
#include "records/Cwm_DomainListDialogDlg.h"
#include "records/Cwm_EntrySheet.h"
#include "records/Cwm_PairedListDlg.h"
#include "records/Cwm_RouteListDlg.h"

#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QTreeWidget>

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
    EXPECT_EQ(m_messages.messages()[0].kind, app::MessageKind::Notice);
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
    EXPECT_EQ(routes.model()->item(0, 2)->text(), QStringLiteral("25"));
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
        Cwm_DomainListDialogDlg list(m_context);
        ASSERT_EQ(list.listBox()->view()->topLevelItemCount(), 1);
        answer = addDomain(QStringLiteral("branch.example"), QStringLiteral("new office"));
        list.listBox()->newEntry();
        EXPECT_EQ(list.domains(), (Strings{"corp.example", "branch.example"}));
        list.reject();
    }
    EXPECT_EQ(m_scratch.read("Morva.ini"), before) << "Cancel writes nothing";
    EXPECT_EQ(m_store.getList("ExchInboundDomain"), Strings{"corp.example"});

    Cwm_DomainListDialogDlg list(m_context);
    answer = addDomain(QStringLiteral(" Branch.Example"), QStringLiteral("new office"));
    list.listBox()->newEntry();
    list.listBox()->view()->clearSelection();
    list.listBox()->view()->topLevelItem(0)->setSelected(true);
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
