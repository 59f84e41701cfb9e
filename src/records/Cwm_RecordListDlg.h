#pragma once

#include "records/ListDialogFrame.h"
#include "records/RecordContext.h"
#include "records/RecordListModel.h"

#include <QDialog>
#include <cstdint>
#include <string_view>
#include <vector>

class QPushButton;
class QTableView;

namespace morva::db {
class RecordFile;
}

namespace morva::records {

// The modal list of the live records of one record file, under the data set
// for its whole life. New, Edit and Delete change the file through the
// record sheet; after every change the grid is filled again (which moves the
// cursor, so the sheet's record reaches the file) and returns to the row
// that was current.
class Cwm_RecordListDlg : public QDialog
{
    Q_OBJECT
public:
    // Acquires the data set, fills the grid, runs the dialog modally and
    // releases the data set. -1 when the lock was not obtained (the user
    // has been told).
    int run();

    // Counts the live records, then reads them with progress in the
    // status bar; selects `showRecord` afterwards (0: the row at the place
    // the current row had).
    void refill(std::uint32_t showRecord = 0);
    void newRecord();
    void editRecord();
    void deleteSelected();

    QTableView* grid() const { return m_frame.grid; }
    RecordListModel* model() const { return m_model; }
    QPushButton* newButton() const { return m_frame.newButton; }
    QPushButton* editButton() const { return m_frame.editButton; }
    QPushButton* deleteButton() const { return m_frame.deleteButton; }
    gui::ListPanel* panel() const { return m_frame.panel; }
    // The record numbers of the selected rows, ascending (whatever the
    // grid's order and filter).
    std::vector<std::uint32_t> selectedRecords() const;

protected:
    Cwm_RecordListDlg(const RecordContext& context, std::string_view captionId, QIcon icon,
                      QStringList headings, QWidget* parent);

    virtual db::RecordFile* file() const = 0;
    // The row of the current record of file().
    virtual RecordListModel::Row readRow() const = 0;
    virtual int openSheet(std::uint32_t record) = 0;
    virtual bool deleteRecord(std::uint32_t record) = 0;

    const RecordContext& context() const { return m_context; }
    int language() const { return m_context.language; }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateButtons();
    int rowOfRecord(std::uint32_t record) const;
    void setStatus(std::string_view textId);

    RecordContext m_context;
    RecordListModel* m_model;
    ListDialogFrame m_frame;
};

} // namespace morva::records
