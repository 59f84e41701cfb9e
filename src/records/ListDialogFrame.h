#pragma once

#include <QAbstractItemView>

class QDialog;
class QPushButton;
class QTableView;

namespace morva::records {

// What every list dialog of the record editors shares: a read-only grid of
// whole rows filling the left, and a column of buttons on the right with
// New, Edit and Delete at the top and Close (rejecting the dialog) at the
// foot. The dialog wires New, Edit and Delete itself.
struct ListDialogFrame
{
    QTableView* grid = nullptr;
    QPushButton* newButton = nullptr;
    QPushButton* editButton = nullptr;
    QPushButton* deleteButton = nullptr;
};

ListDialogFrame buildListDialogFrame(QDialog& dialog, QAbstractItemView::SelectionMode selection,
                                     int language);

} // namespace morva::records
