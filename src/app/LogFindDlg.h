#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace morva::app {

class Cwm_LogView;

// The log view's modeless find dialog: find only, downwards, in one column,
// case-insensitive; at the end of the column it goes on from the top and
// says so.
class LogFindDlg : public QDialog
{
    Q_OBJECT
public:
    LogFindDlg(Cwm_LogView& view, int column, const QString& startText, int languageIndex);

    QLineEdit* textEdit() const { return m_text; }
    QPushButton* findButton() const { return m_find; }
    // The dialog's notice line ("not found", "continued from the top").
    QString notice() const;
    int column() const { return m_column; }

    void findNext();

private:
    Cwm_LogView& m_view;
    int m_column;
    int m_language;
    QLineEdit* m_text;
    QPushButton* m_find;
    QLabel* m_notice;
};

} // namespace morva::app
