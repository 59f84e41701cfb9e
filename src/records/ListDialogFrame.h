#pragma once

#include <QAbstractItemView>

class QDialog;
class QPushButton;
class QTableView;

namespace morva::gui {
class ListPanel;
}

namespace morva::records {

// What every list dialog of the record editors shares: the console's list
// panel (filter bar, sortable grid, New, Edit and Delete) filling the
// dialog, and Close (rejecting the dialog) at the foot of the button column.
// The dialog sets the panel's model and wires New, Edit and Delete itself.
struct ListDialogFrame
{
    gui::ListPanel* panel = nullptr;
    QTableView* grid = nullptr;
    QPushButton* newButton = nullptr;
    QPushButton* editButton = nullptr;
    QPushButton* deleteButton = nullptr;
};

ListDialogFrame buildListDialogFrame(QDialog& dialog, QAbstractItemView::SelectionMode selection,
                                     int language);

} // namespace morva::records
