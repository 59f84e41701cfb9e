#pragma once

#include <QDialog>
#include <string>

class QLabel;
class QPushButton;

namespace morva::platform {
class Clock;
class FileSystem;
class ServiceManager;
class WaitFeedback;
} // namespace morva::platform

namespace morva::service {

// What the service dialog works with; all owned by the caller.
struct ServiceDialogServices
{
    platform::FileSystem& fileSystem;
    platform::ServiceManager& serviceManager;
    platform::Clock& clock;
    platform::WaitFeedback& feedback;
    int languageIndex;
};

// The service dialog ("SVC"): the gateway service's name, executable and
// state, with Start, Stop, Install and Remove. Every button refreshes the
// display when its operation ends; there is no timer. While an operation
// runs the buttons are disabled and the dialog cannot be closed, so the
// event pumping of a wait cannot start a second operation.
class Cwm_SvcDlg : public QDialog
{
    Q_OBJECT
public:
    // `executablePath` is the gateway program; its service name comes from
    // the service-name file beside it, else `defaultName`.
    Cwm_SvcDlg(QWidget* parent, const ServiceDialogServices& services,
               const std::string& defaultName, std::string executablePath);

    const std::string& serviceName() const { return m_serviceName; }
    const std::string& executablePath() const { return m_executablePath; }
    // The state code shown (see serviceState).
    int stateCode() const { return m_stateCode; }

    QPushButton* startButton() const { return m_start; }
    QPushButton* stopButton() const { return m_stop; }
    QPushButton* installButton() const { return m_install; }
    QPushButton* removeButton() const { return m_remove; }
    QPushButton* cancelButton() const { return m_cancel; }
    QLabel* nameLabel() const { return m_name; }
    QLabel* executableLabel() const { return m_executable; }
    QLabel* statusLabel() const { return m_status; }

public slots:
    void refresh();
    void reject() override;

private:
    template <typename Operation> void runOperation(Operation operation);
    void setButtonsEnabled(bool start, bool stop, bool install, bool remove);

    ServiceDialogServices m_services;
    std::string m_executablePath;
    std::string m_serviceName;
    int m_stateCode = 0;
    bool m_busy = false;
    QLabel* m_name;
    QLabel* m_executable;
    QLabel* m_status;
    QPushButton* m_start;
    QPushButton* m_stop;
    QPushButton* m_install;
    QPushButton* m_remove;
    QPushButton* m_cancel;
};

} // namespace morva::service
