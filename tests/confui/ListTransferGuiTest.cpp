// Import and export on a list setting's list box: the list changes like
// after New (the sheet saves it), passwords stay masked in the preview and
// the export says that the file holds them.
#include "GuiFixture.h"
#include "confui/ListBinding.h"
#include "confui/ListBox.h"
#include "confui/ListTransferActions.h"
#include "confui/SheetEnvironment.h"
#include "gui/ListExportDialog.h"
#include "gui/ListImportDialog.h"
#include "gui/MessageBox.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QTableView>
#include <QTreeWidget>

using namespace morva;

TEST(ListTransferGui, ImportsIntoTheBoxAndExportsWithAWordAboutPasswords)
{
    GuiFixture fixture("InboundSMTPAuthUserPass=anna s3cret ;first\r\n");
    confui::SheetEnvironment environment = fixture.environment();
    std::function<int(QDialog&)> answer;
    environment.runDialog = [&](QDialog& dialog) { return answer(dialog); };
    confui::ListBinding binding("InboundSMTPAuthUserPass", "EditAuthUserPass",
                                confui::ListKind::Text);
    binding.load(*fixture.store);
    confui::ListBox box(binding, environment);
    confui::attachListTransfer(box, environment);
    EXPECT_EQ(box.view()->actions().size(), 2) << "Import... and Export... in the context menu";
    int changes = 0;
    QObject::connect(&box, &confui::ListBox::changed, [&] { ++changes; });
    gui::ScopedMessageCatcher messages;

    const auto file = fixture.dir / "users.txt";
    std::ofstream(file, std::ios::binary) << "bob pw1 ;second\ncarl\nANNA s3cret\n";
    answer = [&](QDialog& dialog) {
        auto& importer = dynamic_cast<gui::ListImportDialog&>(dialog);
        importer.loadFile(QString::fromStdString(file.string()));
        EXPECT_TRUE(importer.textFormat()->isChecked()) << "a .txt file reads as text";
        const QAbstractItemModel* preview = importer.preview()->model();
        EXPECT_EQ(preview->rowCount(), 3);
        EXPECT_EQ(preview->data(preview->index(0, 2)).toString(), "bob ********");
        EXPECT_EQ(preview->data(preview->index(0, 3)).toString(), "second");
        EXPECT_EQ(preview->data(preview->index(1, 1)).toString(), "Blank field is not allowed!")
            << "a user without a password";
        importer.skipRefused()->setChecked(true);
        EXPECT_TRUE(importer.runImport());
        return importer.result();
    };
    confui::importListEntries(box, environment);
    EXPECT_EQ(binding.values(), (std::vector<std::string>{"anna s3cret", "bob pw1"}));
    EXPECT_EQ(binding.comments(), (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(box.view()->model()->rowCount(), 2);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(fixture.store->getList("InboundSMTPAuthUserPass").size(), 1u)
        << "saved with the sheet, not before";

    const auto out = fixture.dir / "out.csv";
    answer = [&](QDialog& dialog) {
        auto& exporter = dynamic_cast<gui::ListExportDialog&>(dialog);
        EXPECT_NE(exporter.passwordNote(), nullptr);
        EXPECT_FALSE(exporter.selectionOnly()->isEnabled()) << "nothing selected";
        exporter.setFileChooser(
            [&](QWidget*, bool, bool) { return QString::fromStdString(out.string()); });
        EXPECT_TRUE(exporter.runExport());
        return exporter.result();
    };
    confui::exportListEntries(box, environment);
    std::ifstream in(out, std::ios::binary);
    const std::string written((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(written, "entry,comment\r\nanna s3cret,first\r\nbob pw1,second\r\n")
        << "an export is a backup: passwords in clear";
    EXPECT_EQ(std::filesystem::status(out).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}
