#pragma once

#include "gui/ListTransfer.h"

#include <QDialog>
#include <memory>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTableView;

namespace morva::gui {

class ImportPreviewModel;

// The import of a file into a list: the file, its format, append or
// replace, a preview of every row with its check (refused rows and repeats
// marked with icon and tooltip), "skip rows with errors", and a progress
// bar with Cancel while a long file is checked (events keep flowing).
// Nothing is written before Import; Cancel leaves the list as it was.
class ListImportDialog : public QDialog
{
    Q_OBJECT
public:
    ListImportDialog(ImportTarget target, int language, QWidget* parent = nullptr);
    ~ListImportDialog() override;

    void setFileChooser(FileChooser chooser) { m_chooser = std::move(chooser); }
    // Reads and checks the file (also when the format or mode changes).
    void loadFile(const QString& path);
    // Writes the accepted rows and closes the dialog; false (dialog open)
    // when refused or failed.
    bool runImport();

    const config::ImportPlan& plan() const { return m_plan; }
    QTableView* preview() const { return m_preview; }
    QLabel* summary() const { return m_summary; }
    QPushButton* importButton() const { return m_import; }
    QCheckBox* skipRefused() const { return m_skip; }
    QRadioButton* replaceMode() const { return m_replace; }
    QRadioButton* textFormat() const { return m_text; }
    std::size_t written() const { return m_written; }

private:
    void browse();
    void recheck();
    void cancel();
    void updateState();
    config::TransferFormat format() const;
    config::ImportMode mode() const;

    ImportTarget m_target;
    int m_language;
    FileChooser m_chooser;
    config::ImportPlan m_plan;
    bool m_checked = false;
    bool m_busy = false;
    bool m_cancelRequested = false;
    std::size_t m_written = 0;
    std::string m_bytes;
    QLineEdit* m_file;
    QRadioButton* m_csv;
    QRadioButton* m_text;
    QRadioButton* m_append;
    QRadioButton* m_replace;
    QCheckBox* m_skip;
    QTableView* m_preview;
    ImportPreviewModel* m_model;
    QLabel* m_summary;
    QProgressBar* m_progress;
    QPushButton* m_import;
    QPushButton* m_cancel;
};

} // namespace morva::gui
