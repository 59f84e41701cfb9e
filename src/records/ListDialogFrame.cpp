#include "records/ListDialogFrame.h"

#include "gui/ListFilterBar.h"
#include "gui/ListPanel.h"
#include "records/RecordText.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace morva::records {

ListDialogFrame buildListDialogFrame(QDialog& dialog, QAbstractItemView::SelectionMode selection,
                                     int language)
{
    ListDialogFrame frame;
    frame.panel =
        new gui::ListPanel({uiText("records.new", language), uiText("records.edit", language),
                            uiText("records.delete", language)},
                           selection, language, &dialog);
    // Ctrl+F works from anywhere in the dialog, also from its buttons.
    frame.panel->filterBar()->focusOnFindKey(dialog);
    frame.grid = frame.panel->view();
    frame.grid->setAccessibleName(uiText("a11y.recordList", language));
    frame.newButton = frame.panel->newButton();
    frame.editButton = frame.panel->editButton();
    frame.deleteButton = frame.panel->deleteButton();

    auto* close = new QPushButton(uiText("records.close", language), &dialog);
    close->setAutoDefault(false);
    QObject::connect(close, &QPushButton::clicked, &dialog, &QDialog::reject);
    frame.panel->buttonColumn()->addWidget(close);
    auto* layout = new QHBoxLayout(&dialog);
    layout->addWidget(frame.panel);
    return frame;
}

} // namespace morva::records
