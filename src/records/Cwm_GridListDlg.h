#pragma once

#include "gui/TextTableModel.h"
#include "records/Cwm_EntrySheet.h"
#include "records/ListDialogFrame.h"
#include "records/RecordContext.h"

#include <QDialog>
#include <QStringList>
#include <string_view>

class QPushButton;
class QTableView;

namespace morva::records {

// A grid over a list kept in "Morva.ini" (routes, translations, rewrites)
// with New, Edit and Delete. Every change is put back into the store and
// the file is written at once; when writing fails the user is told and the
// change stays in memory for the next successful save.
class Cwm_GridListDlg : public QDialog
{
    Q_OBJECT
public:
    int run();

    void newEntry();
    void editEntry();
    void deleteEntry();
    void refill();

    QTableView* grid() const { return m_frame.grid; }
    gui::TextTableModel* model() const { return m_model; }
    QPushButton* newButton() const { return m_frame.newButton; }
    QPushButton* editButton() const { return m_frame.editButton; }
    QPushButton* deleteButton() const { return m_frame.deleteButton; }
    gui::ListPanel* panel() const { return m_frame.panel; }

protected:
    Cwm_GridListDlg(const RecordContext& context, std::string_view captionId,
                    const EntrySheetDef& sheet, std::string_view deleteQuestionId,
                    QStringList headings, QWidget* parent);

    virtual int entryCount() const = 0;
    virtual QStringList entryFields(int index) const = 0;
    // Fields preset for a new entry.
    virtual QStringList newEntryFields() const { return {}; }
    virtual void appendEntry(const QStringList& fields) = 0;
    virtual void replaceEntry(int index, const QStringList& fields) = 0;
    virtual void removeEntry(int index) = 0;
    // Puts the entries back into the store's key(s).
    virtual void storeEntries() = 0;

    const RecordContext& context() const { return m_context; }
    config::ConfigStore& store() const { return *m_context.store; }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void storeAndSave();
    void updateButtons();
    // The entry of the current row (whatever the grid's order), or -1.
    int currentEntry() const;

    RecordContext m_context;
    EntrySheetDef m_sheet;
    std::string m_deleteQuestionId;
    gui::TextTableModel* m_model;
    ListDialogFrame m_frame;
};

} // namespace morva::records
