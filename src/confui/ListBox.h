#pragma once

#include "confui/ListBinding.h"
#include "confui/SheetEnvironment.h"
#include "gui/FileTextCodec.h"

#include <QWidget>
#include <set>

class QPushButton;
class QTableView;

namespace morva::gui {
class ListPanel;
class TextTableModel;
} // namespace morva::gui

namespace morva::confui {

// The list box of a list setting: the console's list panel (filter,
// sortable columns, New, Edit and Delete) over the binding's entries. Rows
// show entry (as the entry dialog's codec shows it: a user without the
// password) and comment (where the key keeps comments); row i of the model
// is entry i + 1 of the binding, whatever the view's order and filter. Edit
// and Delete are enabled only while rows are shown. Entries the list checks
// find fault with carry a warning icon and the problem as tooltip; the
// filter bar then offers "Show problems only". Problems never block a save.
class ListBox : public QWidget
{
    Q_OBJECT
public:
    ListBox(ListBinding& binding, const SheetEnvironment& environment, QWidget* parent = nullptr);

    void refill();
    // Appends the items not yet in the list ("Add &Common").
    void addMissing(const std::vector<std::string>& items);

    // The 1-based positions of the selected rows.
    std::set<std::size_t> selectedPositions() const;

    QTableView* view() const;
    gui::ListPanel* panel() const { return m_panel; }
    gui::TextTableModel* model() const { return m_model; }
    QPushButton* newButton() const;
    QPushButton* editButton() const;
    QPushButton* deleteButton() const;
    // The number of entries with a problem, as of the last refill.
    int problemCount() const { return m_problemCount; }
    // The column headings (the Exchange domain list names its own).
    void setHeadings(const QStringList& headings);
    ListBinding& binding() const { return m_binding; }

    void newEntry();
    void editEntry();
    void deleteEntries();

signals:
    void changed();

private:
    bool runEntryDialog(QString& value, QString& comment, const QString& givenValue,
                        const QString& givenComment);
    gui::FileTextCodec valueCodec() const;
    void updateButtons();
    void setUpColumns();
    void markProblems();
    void showProblemsOnly(bool on);
    QString shownText(const std::string& value) const;
    EntryDialogDef withKeyCheck(const EntryDialogDef& definition) const;

    ListBinding& m_binding;
    const SheetEnvironment& m_environment;
    gui::ListPanel* m_panel;
    gui::TextTableModel* m_model;
    int m_problemCount = 0;
};

} // namespace morva::confui
