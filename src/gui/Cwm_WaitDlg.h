#pragma once

#include "gui/ConsoleWait.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace morva::gui {

// The modeless wait dialog of long operations (data lock, service stop,
// statistics): a text and a Cancel button. Cancel sets the cancelled flag,
// ends the running sleep of the wait and closes the dialog. While the dialog
// exists a wait is in progress (ConsoleWait): input elsewhere is discarded.
// The main window keeps one instance at a time.
class Cwm_WaitDlg : public QDialog
{
    Q_OBJECT
public:
    Cwm_WaitDlg(QWidget* parent, int languageIndex);

    void setText(const QString& text);
    QString text() const;
    bool isCancelled() const { return m_cancelled; }
    QPushButton* cancelButton() const { return m_cancel; }

signals:
    void cancelled();

protected:
    void reject() override;

private:
    QLabel* m_text;
    QPushButton* m_cancel;
    bool m_cancelled = false;
    ConsoleWait::Scope m_wait;
};

} // namespace morva::gui
