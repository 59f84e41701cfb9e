#pragma once

#include "gui/ListTransfer.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QRadioButton;

namespace morva::gui {

// The export of a list to a file: the whole list or the selection, CSV or
// (list settings) text, UTF-8 or the 8-bit code page. A list that holds
// passwords says so: the file is a backup and holds them in clear text.
class ListExportDialog : public QDialog
{
    Q_OBJECT
public:
    ListExportDialog(ExportSource source, int language, QWidget* parent = nullptr);

    void setFileChooser(FileChooser chooser) { m_chooser = std::move(chooser); }
    // Asks for the file, writes it (replacing it atomically) and closes the
    // dialog; false when cancelled or failed (the user has been told).
    bool runExport();

    QRadioButton* selectionOnly() const { return m_selection; }
    QRadioButton* textFormat() const { return m_text; }
    QCheckBox* eightBit() const { return m_eightBit; }
    QLabel* passwordNote() const { return m_passwords; }

private:
    ExportSource m_source;
    int m_language;
    FileChooser m_chooser;
    QRadioButton* m_whole;
    QRadioButton* m_selection;
    QRadioButton* m_csv;
    QRadioButton* m_text;
    QCheckBox* m_eightBit;
    QLabel* m_passwords = nullptr;
};

} // namespace morva::gui
