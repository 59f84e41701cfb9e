#include "records/RecordTransferActions.h"

#include "db/DataSet.h"
#include "db/LayoutRecordFile.h"
#include "gui/ListExportDialog.h"
#include "gui/ListImportDialog.h"
#include "gui/MessageBox.h"
#include "records/Cwm_RecordListDlg.h"
#include "records/RecordText.h"

#include <QBoxLayout>
#include <QPushButton>
#include <QTableView>

namespace morva::records {

namespace {

// The layout that holds `widget` among the dialog's layouts.
QBoxLayout* layoutHolding(QWidget& dialog, QWidget* widget, int* index)
{
    for (QBoxLayout* layout : dialog.findChildren<QBoxLayout*>()) {
        if (const int at = layout->indexOf(widget); at >= 0) {
            *index = at;
            return layout;
        }
    }
    return nullptr;
}

} // namespace

void attachRecordTransfer(Cwm_RecordListDlg& list, db::RecordTable table,
                          const RecordContext& context)
{
    auto* importButton = new QPushButton(uiText("import.menu.import", context.language), &list);
    auto* exportButton = new QPushButton(uiText("import.menu.export", context.language), &list);
    int at = 0;
    if (QBoxLayout* buttons = layoutHolding(list, list.deleteButton(), &at)) {
        buttons->insertWidget(at + 1, importButton);
        buttons->insertWidget(at + 2, exportButton);
    } else {
        list.layout()->addWidget(importButton);
        list.layout()->addWidget(exportButton);
    }
    for (QPushButton* button : {importButton, exportButton})
        button->setAutoDefault(false);
    QObject::connect(importButton, &QPushButton::clicked, &list,
                     [&list, table, context] { importRecords(list, table, context); });
    QObject::connect(exportButton, &QPushButton::clicked, &list,
                     [&list, table, context] { exportRecords(list, table, context); });
}

void importRecords(Cwm_RecordListDlg& list, db::RecordTable table, const RecordContext& context)
{
    db::DataSet* data = context.dataSet;
    if (!data || !data->isOpen())
        return;
    gui::ImportTarget target;
    target.listName = list.windowTitle();
    target.plan = [data, table](std::string_view bytes, config::TransferFormat format,
                                config::ImportMode mode, config::ImportPlan* plan,
                                const config::TransferProgress& progress) {
        return db::planRecordImport(*db::recordFile(*data, table), table, bytes, format, mode, plan,
                                    progress);
    };
    target.apply = [data, table](const config::ImportPlan& plan, config::ImportMode mode) {
        platform::FileError error = platform::FileError::None;
        if (db::applyRecordImport(*data, table, plan, mode, &error))
            return QString();
        return fromBytes(db::recordLayout(table).fileName) + QStringLiteral(": ") +
               QString::fromLatin1(platform::fileErrorName(error));
    };
    gui::ListImportDialog dialog(std::move(target), context.language, &list);
    context.exec(dialog);
    if (dialog.written() > 0) {
        list.refill();
        gui::MessageBox::show(
            &list, gui::MessageKind::Notice,
            uiText("import.done", context.language, {QString::number(dialog.written())}));
    }
}

void exportRecords(Cwm_RecordListDlg& list, db::RecordTable table, const RecordContext& context)
{
    db::DataSet* data = context.dataSet;
    if (!data || !data->isOpen())
        return;
    gui::ExportSource source;
    source.listName = list.windowTitle();
    source.total = static_cast<std::size_t>(list.model()->rowCount());
    const std::vector<std::uint32_t> selected = list.selectedRecords();
    source.selected = selected.size();
    source.produce = [data, table, selected](bool selectionOnly, config::TransferFormat format,
                                             config::TextForm form, std::size_t* lost) {
        db::RecordExport exported = db::exportRecords(*db::recordFile(*data, table), table, format,
                                                      form, selectionOnly ? &selected : nullptr);
        *lost = exported.lostCharacters;
        return std::move(exported.text);
    };
    gui::ListExportDialog dialog(std::move(source), context.language, &list);
    context.exec(dialog);
}

} // namespace morva::records
