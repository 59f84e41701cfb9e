#pragma once

#include "confui/ListBinding.h"
#include "confui/SheetEnvironment.h"
#include "gui/FileTextCodec.h"

#include <QWidget>
#include <set>

class QPushButton;
class QTreeWidget;

namespace morva::confui {

// The list box of a list setting with its New, Edit and Delete buttons.
// Rows show entry (as the entry dialog's codec shows it: a user without
// the password) and comment (where the key keeps comments) and carry the entry's 1-based position
// as item data; Edit and Delete are enabled only while the box has rows.
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

    QTreeWidget* view() const { return m_view; }
    QPushButton* newButton() const { return m_new; }
    QPushButton* editButton() const { return m_edit; }
    QPushButton* deleteButton() const { return m_delete; }
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
    QString shownText(const std::string& value) const;
    EntryDialogDef withKeyCheck(const EntryDialogDef& definition) const;

    ListBinding& m_binding;
    const SheetEnvironment& m_environment;
    QTreeWidget* m_view;
    QPushButton* m_new;
    QPushButton* m_edit;
    QPushButton* m_delete;
};

} // namespace morva::confui
