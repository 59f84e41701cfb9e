#include "service/Cwm_SvcDlg.h"

#include "resources/Texts.h"
#include "service/ServiceController.h"
#include "service/ServiceName.h"
#include "service/ServiceState.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace morva::service {

namespace {

QString qText(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// Names and paths come from files the console does not control: shown as
// plain text, selectable for copying.
QLabel* valueLabel(QWidget* parent, const char* objectName)
{
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setMinimumWidth(320);
    return label;
}

} // namespace

Cwm_SvcDlg::Cwm_SvcDlg(QWidget* parent, const ServiceDialogServices& services,
                       const std::string& defaultName, std::string executablePath)
    : QDialog(parent), m_services(services), m_executablePath(std::move(executablePath))
{
    const int language = services.languageIndex;
    auto label = [&](const char* id) { return qText(text(id, language)); };
    setObjectName("SVC");
    setWindowTitle(label("service.caption"));
    m_serviceName = serviceNameFor(services.fileSystem, m_executablePath, defaultName);

    m_name = valueLabel(this, "serviceName");
    m_executable = valueLabel(this, "executable");
    m_status = valueLabel(this, "status");
    auto* fields = new QGridLayout;
    const std::pair<const char*, QLabel*> rows[] = {{"service.labelName", m_name},
                                                    {"service.labelExecutable", m_executable},
                                                    {"service.labelStatus", m_status}};
    int row = 0;
    for (const auto& [id, value] : rows) {
        auto* caption = new QLabel(label(id), this);
        caption->setTextFormat(Qt::PlainText);
        caption->setBuddy(value);
        fields->addWidget(caption, row, 0);
        fields->addWidget(value, row, 1);
        ++row;
    }

    auto button = [&](const char* id, const char* objectName) {
        auto* b = new QPushButton(label(id), this);
        b->setObjectName(objectName);
        b->setAutoDefault(false);
        return b;
    };
    m_start = button("service.start", "start");
    m_stop = button("service.stop", "stop");
    m_install = button("service.install", "install");
    m_remove = button("service.remove", "remove");
    m_cancel = button("service.cancel", "cancel");
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {m_start, m_stop, m_install, m_remove})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(m_cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    auto controller = [this] {
        return ServiceController(m_services.serviceManager, m_services.clock, m_services.feedback,
                                 m_serviceName, m_executablePath, m_services.languageIndex);
    };
    connect(m_start, &QPushButton::clicked, this,
            [this, controller] { runOperation([&] { controller().start(); }); });
    connect(m_stop, &QPushButton::clicked, this,
            [this, controller] { runOperation([&] { controller().stop(); }); });
    connect(m_install, &QPushButton::clicked, this,
            [this, controller] { runOperation([&] { controller().install(); }); });
    connect(m_remove, &QPushButton::clicked, this,
            [this, controller] { runOperation([&] { controller().remove(); }); });
    connect(m_cancel, &QPushButton::clicked, this, &Cwm_SvcDlg::reject);

    refresh();
}

void Cwm_SvcDlg::refresh()
{
    const ServiceStateInfo state = serviceState(m_services.fileSystem, m_services.serviceManager,
                                                m_executablePath, m_serviceName);
    m_stateCode = state.code;
    m_name->setText(QString::fromLocal8Bit(m_serviceName.c_str()));
    m_executable->setText(QString::fromLocal8Bit(m_executablePath.c_str()));
    m_status->setText(qText(text(state.textId, m_services.languageIndex)));
    setButtonsEnabled(state.canStart, state.canStop, state.canInstall, state.canRemove);
}

void Cwm_SvcDlg::reject()
{
    if (!m_busy)
        QDialog::reject();
}

template <typename Operation> void Cwm_SvcDlg::runOperation(Operation operation)
{
    if (m_busy)
        return;
    m_busy = true;
    setButtonsEnabled(false, false, false, false);
    m_cancel->setEnabled(false);
    operation();
    m_cancel->setEnabled(true);
    m_busy = false;
    refresh();
}

void Cwm_SvcDlg::setButtonsEnabled(bool start, bool stop, bool install, bool remove)
{
    m_start->setEnabled(start);
    m_stop->setEnabled(stop);
    m_install->setEnabled(install);
    m_remove->setEnabled(remove);
}

} // namespace morva::service
