#include "confui/Cwm_DomainListDialogDlg.h"

#include "config/ConfigStore.h"
#include "confui/ListBox.h"
#include "confui/ListTransferActions.h"
#include "confui/QtTexts.h"
#include "confui/SaveFailureText.h"
#include "gui/MessageBox.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace morva::confui {

namespace {
SheetEnvironment listEnvironment(config::ConfigStore& store, int language,
                                 std::function<int(QDialog&)> runDialog)
{
    SheetEnvironment environment;
    environment.store = &store;
    environment.language = language;
    environment.runDialog = std::move(runDialog);
    return withDesktopDefaults(std::move(environment));
}
} // namespace

Cwm_DomainListDialogDlg::Cwm_DomainListDialogDlg(config::ConfigStore& store, int language,
                                                 std::function<int(QDialog&)> runDialog,
                                                 QWidget* parent)
    : QDialog(parent), m_store(store),
      m_environment(listEnvironment(store, language, std::move(runDialog))),
      m_binding(kKey, "EditDomain", ListKind::Text)
{
    setObjectName(QStringLiteral("DomList"));
    const int lang = language;
    setWindowTitle(uiText("records.domainList", lang));
    m_binding.load(store);

    auto* explanation = new QLabel(uiText("records.domainListText", lang) + QLatin1Char('\n') +
                                       uiText("records.domainListText2", lang),
                                   this);
    explanation->setTextFormat(Qt::PlainText);
    explanation->setWordWrap(true);

    m_box = new ListBox(m_binding, m_environment, this);
    attachListTransfer(*m_box, m_environment);
    m_box->view()->setAccessibleName(windowTitle());
    m_box->setHeadings({uiText("records.domainField", lang).remove(QLatin1Char(':')),
                        uiText("records.commentField", lang).remove(QLatin1Char(':'))});

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(uiText("records.ok", lang), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(uiText("records.cancel", lang), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addWidget(m_box, 1);
    layout->addWidget(buttons);
    resize(560, 380);
}

Cwm_DomainListDialogDlg::~Cwm_DomainListDialogDlg() = default;

int Cwm_DomainListDialogDlg::run()
{
    return m_environment.runDialog(*this);
}

void Cwm_DomainListDialogDlg::accept()
{
    config::ConfigStore& store = m_store;
    m_binding.save(store);
    if (!store.save())
        gui::MessageBox::show(
            this, gui::MessageKind::Failure,
            QString::fromStdString(saveFailureText(store, gui::MessageBox::language())));
    else if (store.lastSaveStatus() == config::SaveStatus::SavedNotDurable)
        gui::MessageBox::showText(this, gui::MessageKind::Notice, "confui.savedNotDurable");
    QDialog::accept();
}

} // namespace morva::confui
