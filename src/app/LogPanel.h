#pragma once

#include "app/Cwm_LogView.h"

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;
class QToolButton;

namespace morva::app {

class LogFilterBar;

// The main window's client area around the log view: a line that says
// which older file is shown (with its reading progress, Cancel and "Back to
// the live log"), the filter bar (Ctrl+Shift+F) and the view.
class LogPanel : public QWidget
{
    Q_OBJECT
public:
    LogPanel(platform::FileSystem& fileSystem, Cwm_LogView::Options options,
             QWidget* parent = nullptr);

    Cwm_LogView* view() const { return m_view; }
    LogFilterBar* filterBar() const { return m_bar; }
    QLabel* fileLabel() const { return m_fileLabel; }
    QPushButton* backButton() const { return m_back; }
    QProgressBar* progressBar() const { return m_progress; }

    void showFilterBar();
    // Asks for an older log (in the live log's directory) and shows it.
    void chooseOlderLog();
    // Asks for a file and writes the rows shown into it.
    void chooseExportFile();

private:
    void applyFilter();
    void updateCount();
    void showFile(const QString& path);

    int m_language;
    Cwm_LogView* m_view;
    LogFilterBar* m_bar;
    QWidget* m_fileLine;
    QLabel* m_fileLabel;
    QProgressBar* m_progress;
    QPushButton* m_cancel;
    QPushButton* m_back;
    QWidget* m_barLine;
};

} // namespace morva::app
