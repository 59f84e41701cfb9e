#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QComboBox;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

namespace morva::config {
class ConfigStore;
class FileHistory;
struct HistoryEntry;
} // namespace morva::config

namespace morva::db {
class DataSet;
struct RecordLayout;
} // namespace morva::db

namespace morva::platform {
class FileSystem;
enum class FileError;
} // namespace morva::platform

namespace morva::confui {

// The saves of "Morva.ini" that the history kept, newest first; the one
// selected shows its changes key by key (what that save changed, or how it
// differs from the file now), and "Restore" puts it back through the
// store's save (a save of its own, kept in turn). The file choice shows the
// versions of the record files instead (record by record); one is put back,
// once confirmed, under the data set's lock, the file as it is kept first.
class HistoryWindow : public QDialog
{
    Q_OBJECT
public:
    HistoryWindow(config::ConfigStore& store, config::FileHistory& history,
                  platform::FileSystem& fileSystem, int language, QWidget* parent = nullptr);
    ~HistoryWindow() override;

    // The data set that restores record files (null: record files are
    // listed, but not restored).
    void setDataSet(db::DataSet* dataSet);
    // Reads the history again and selects the newest save.
    void reload();
    QComboBox* fileChoice() const { return m_file; }
    QTreeWidget* list() const { return m_list; }
    QComboBox* comparison() const { return m_comparison; }
    QPlainTextEdit* changes() const { return m_changes; }
    QPushButton* restoreButton() const { return m_restore; }
    // The selected version back in place; false (after a message) when the
    // save failed or was refused.
    bool restoreSelected();

private:
    void showChanges();
    int selectedIndex() const;
    std::string fileName() const;
    // The layout of the chosen record file; null for "Morva.ini".
    const db::RecordLayout* recordLayout() const;
    // The file as it is now; false with *error when it is there but cannot
    // be read.
    bool readCurrent(std::string* text, platform::FileError* error) const;
    // A sentence in place of the changes, wrapped to the pane.
    void showNote(const QString& text);
    bool restoreRecordFile(const config::HistoryEntry& entry);

    config::ConfigStore& m_store;
    config::FileHistory& m_history;
    platform::FileSystem& m_fileSystem;
    int m_language;
    db::DataSet* m_dataSet = nullptr;
    std::vector<config::HistoryEntry> m_entries; // oldest first
    QComboBox* m_file = nullptr;
    QTreeWidget* m_list = nullptr;
    QComboBox* m_comparison = nullptr;
    QPlainTextEdit* m_changes = nullptr;
    QPushButton* m_restore = nullptr;
};

} // namespace morva::confui
