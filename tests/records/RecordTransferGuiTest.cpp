// Import and export on the record lists: the preview marks what it will do,
// nothing is written before Import, and the list shows the result.
#include "RecordFixture.h"
#include "db/DataAliaFile.h"
#include "db/RecordBytes.h"
#include "gui/ListExportDialog.h"
#include "gui/ListImportDialog.h"
#include "gui/Text.h"
#include "records/Cwm_AliasListDlg.h"
#include "records/RecordTransferActions.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

using namespace morva;

namespace {

class RecordTransferGui : public test::RecordFixture
{
protected:
    void SetUp() override
    {
        m_scratch.write("DataAlia.DAT", test::aliasRecord("old@a.com", "x@b.org", false) +
                                            test::aliasRecord("two@a.com", "y@b.org", true));
        ASSERT_TRUE(m_dataSet.acquire(1));
        m_list = std::make_unique<records::Cwm_AliasListDlg>(m_context, nullptr);
        records::attachRecordTransfer(*m_list, db::RecordTable::Alias, m_context);
        m_list->refill();
    }
    void TearDown() override
    {
        m_list.reset();
        m_dataSet.release();
    }

    QString cell(QTableView* view, int row, int column, int role = Qt::DisplayRole)
    {
        return view->model()->data(view->model()->index(row, column), role).toString();
    }

    std::unique_ptr<records::Cwm_AliasListDlg> m_list;
};

} // namespace

TEST_F(RecordTransferGui, ThePreviewMarksEveryRowAndOnlyImportWrites)
{
    const QString import = gui::uiText("import.menu.import", 0);
    bool found = false;
    for (QPushButton* button : m_list->findChildren<QPushButton*>())
        found = found || button->text() == import;
    EXPECT_TRUE(found) << "Import... sits with the list's buttons";

    m_scratch.write("in.csv", "forward address,target address,deliver\n"
                              "new@a.com,n@b.org,1\n"
                              "<b>bold</b>,n@b.org\n"
                              "OLD@a.com,x@b.org\n");
    const std::string before = m_scratch.read("DataAlia.DAT");
    answer = [&](QDialog& dialog) {
        auto& importer = dynamic_cast<gui::ListImportDialog&>(dialog);
        importer.loadFile(QString::fromStdString(m_scratch.path("in.csv")));
        QTableView* preview = importer.preview();
        EXPECT_EQ(preview->model()->rowCount(), 3);
        EXPECT_EQ(cell(preview, 0, 1), "OK");
        EXPECT_EQ(cell(preview, 1, 0), "3");
        EXPECT_EQ(cell(preview, 1, 2), "<b>bold</b>");
        EXPECT_TRUE(cell(preview, 1, 1, Qt::ToolTipRole).startsWith("<qt>Please enter"))
            << "tool tips quote the reason as plain text";
        EXPECT_FALSE(
            preview->model()->data(preview->model()->index(2, 1), Qt::DecorationRole).isNull())
            << "the repeat of record 1 is marked";
        EXPECT_EQ(importer.summary()->text(),
                  "3 rows: 1 to import, 1 refused, 1 repeated entries skipped.");
        EXPECT_FALSE(importer.importButton()->isEnabled()) << "a refused row blocks the import";
        importer.skipRefused()->setChecked(true);
        EXPECT_TRUE(importer.importButton()->isEnabled());
        return static_cast<int>(QDialog::Rejected); // Cancel
    };
    records::importRecords(*m_list, db::RecordTable::Alias, m_context);
    EXPECT_EQ(m_scratch.read("DataAlia.DAT"), before) << "Cancel writes nothing";

    answer = [&](QDialog& dialog) {
        auto& importer = dynamic_cast<gui::ListImportDialog&>(dialog);
        importer.loadFile(QString::fromStdString(m_scratch.path("in.csv")));
        importer.replaceMode()->setChecked(true);
        importer.skipRefused()->setChecked(true);
        EXPECT_EQ(importer.plan().count(config::RowMark::Accepted), 2u)
            << "replacing, the old records are no repeats";
        EXPECT_TRUE(importer.runImport());
        return importer.result();
    };
    records::importRecords(*m_list, db::RecordTable::Alias, m_context);
    EXPECT_EQ(m_list->model()->rowCount(), 2);
    EXPECT_EQ(messageTexts().back(), "2 entries imported.");
    m_dataSet.aliaFile()->sync();
    EXPECT_EQ(m_scratch.read("DataAlia.DAT"), test::aliasRecord("new@a.com", "n@b.org", true) +
                                                  test::aliasRecord("OLD@a.com", "x@b.org", false));
}

TEST_F(RecordTransferGui, ExportWritesTheWholeListOrTheSelection)
{
    m_list->grid()->selectRow(1);
    const std::string path = m_scratch.path("out.csv");
    answer = [&](QDialog& dialog) {
        auto& exporter = dynamic_cast<gui::ListExportDialog&>(dialog);
        EXPECT_FALSE(exporter.textFormat()->isVisibleTo(&exporter)) << "records have no text form";
        EXPECT_EQ(exporter.passwordNote(), nullptr);
        exporter.setFileChooser([&](QWidget*, bool save, bool) {
            EXPECT_TRUE(save);
            return QString::fromStdString(path);
        });
        exporter.selectionOnly()->setChecked(true);
        EXPECT_TRUE(exporter.runExport());
        return exporter.result();
    };
    records::exportRecords(*m_list, db::RecordTable::Alias, m_context);
    EXPECT_EQ(m_scratch.read("out.csv"),
              "forward address,target address,deliver\r\ntwo@a.com,y@b.org,1\r\n");
    EXPECT_EQ(messageTexts().back(), QString("1 entries written to %1.").arg(path.c_str()));
}
