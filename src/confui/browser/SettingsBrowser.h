#pragma once

#include "config/ConfigSnapshot.h"
#include "config/MergeSave.h"

// The "All Settings" window: every key of the schema, searched as the user
// types and filtered (changed from default, sheet, kind, lists, no page),
// edited in place with the pages' controls and checks, set back to its
// default, or shown on its page. Changes stay pending (marked) until Save
// or OK writes them with one save of the store; Cancel drops them.

#include "confui/SheetEnvironment.h"
#include "confui/browser/PendingSettings.h"

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace morva::confui {

class SettingsTableModel;
struct SettingInfo;

class SettingsBrowser : public QDialog
{
    Q_OBJECT
public:
    // Opens the sheet of `sheetType` at `page` with the control of `key`
    // focused.
    using PageOpener = std::function<void(QWidget* parent, int sheetType, const std::string& page,
                                          const std::string& key)>;

    SettingsBrowser(const SheetEnvironment& environment, QWidget* parent = nullptr);
    ~SettingsBrowser() override;

    void setPageOpener(PageOpener opener);
    // Only shows and searches (no editing, reset or save): opened from a
    // sheet, whose OK writes every control of its pages again, a change
    // saved here would be overwritten there.
    void setReadOnly(bool readOnly);
    bool isReadOnly() const { return m_readOnly; }

    // Puts `text` into the search field (and searches).
    void setSearchText(const QString& text);
    // Searches for `key` and selects its row.
    void showKey(const std::string& key);

    // The pending changes, in key registration order, secrets masked.
    std::vector<SettingChange> pendingChanges() const;
    bool hasPendingChanges() const { return !m_pending.empty(); }
    // Drops the pending change of `key` (the value shown is the stored one again).
    void discardPending(const std::string& key);

    // The key of the current row; empty when there is none.
    std::string currentKey() const;
    // Opens the editor of `key` (the value dialog or, for a list, the list
    // dialog); true when it staged a change.
    bool editKey(const std::string& key);
    // Stages `text` as the value of single-valued `key`, as the editor's OK
    // does (refused with the pages' message); true when staged.
    bool stageTypedValue(const std::string& key, const QString& text);
    // Sets the selected keys (or the current one) back to their defaults.
    void resetSelected();
    // Opens the page of the current row.
    void goToPage();
    // Writes the pending changes and saves the store once; false (message
    // shown, changes kept pending) when the save failed.
    bool save();

    QLineEdit* searchField() const { return m_search; }
    QTableView* table() const { return m_table; }
    SettingsTableModel* model() const { return m_model; }
    QLabel* nearestLabel() const { return m_nearest; }
    QCheckBox* changedFilter() const { return m_changed; }
    QComboBox* sheetFilter() const { return m_sheet; }
    QComboBox* kindFilter() const { return m_kind; }
    QCheckBox* listsFilter() const { return m_lists; }
    QCheckBox* noPageFilter() const { return m_noPage; }
    QPushButton* saveButton() const { return m_save; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }
    QPushButton* goToPageButton() const { return m_goTo; }
    QPushButton* changesButton() const { return m_changes; }
    // The "Changes..." review of what Save would write.
    void showChanges();

    void accept() override;

signals:
    void pendingChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildFilters(QGridLayout* grid);
    void applyFilter();
    void searchChanged();
    void updateState();
    void editCurrent();
    void pendingUpdated();

    SheetEnvironment m_environment;
    PendingSettings m_pending;
    PageOpener m_openPage;
    bool m_readOnly = false;
    SettingsTableModel* m_model = nullptr;
    QLineEdit* m_search = nullptr;
    QLabel* m_nearest = nullptr;
    QLabel* m_count = nullptr;
    QCheckBox* m_changed = nullptr;
    QComboBox* m_sheet = nullptr;
    QComboBox* m_kind = nullptr;
    QCheckBox* m_lists = nullptr;
    QCheckBox* m_noPage = nullptr;
    QTableView* m_table = nullptr;
    QPushButton* m_edit = nullptr;
    QPushButton* m_reset = nullptr;
    QPushButton* m_goTo = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_changes = nullptr;
    // The values as the browser read them (or last saved them): what a
    // merge with a file changed on disk compares both sides against.
    config::ConfigSnapshot m_base;
    config::MergeDecisions m_decisions;
};

} // namespace morva::confui
