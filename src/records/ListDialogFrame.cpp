#include "records/ListDialogFrame.h"

#include "records/RecordText.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace morva::records {

ListDialogFrame buildListDialogFrame(QDialog& dialog, QAbstractItemView::SelectionMode selection,
                                     int language)
{
    ListDialogFrame frame;
    QTableView* grid = new QTableView(&dialog);
    grid->setAccessibleName(uiText("a11y.recordList", language));
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(selection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setAlternatingRowColors(true);
    grid->setWordWrap(false);
    grid->verticalHeader()->hide();
    // Fixed row heights let the view place rows without measuring each one,
    // which keeps lists of 100,000 records fast.
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    grid->horizontalHeader()->setStretchLastSection(true);
    // Qt draws the header of a selected row's sections in bold otherwise.
    grid->horizontalHeader()->setHighlightSections(false);
    frame.grid = grid;

    frame.newButton = new QPushButton(uiText("records.new", language), &dialog);
    frame.editButton = new QPushButton(uiText("records.edit", language), &dialog);
    frame.deleteButton = new QPushButton(uiText("records.delete", language), &dialog);
    auto* close = new QPushButton(uiText("records.close", language), &dialog);
    QObject::connect(close, &QPushButton::clicked, &dialog, &QDialog::reject);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {frame.newButton, frame.editButton, frame.deleteButton, close}) {
        button->setAutoDefault(false);
        if (button == close)
            buttons->addStretch();
        buttons->addWidget(button);
    }
    auto* layout = new QHBoxLayout(&dialog);
    layout->addWidget(grid, 1);
    layout->addLayout(buttons);
    return frame;
}

} // namespace morva::records
