#include "records/Cwm_DomainListDialogDlg.h"

#include "app/MessageBox.h"
#include "config/ConfigStore.h"
#include "confui/ListBox.h"
#include "confui/SaveFailureText.h"
#include "records/RecordText.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace morva::records {

namespace {
confui::SheetEnvironment listEnvironment(const RecordContext& context)
{
    confui::SheetEnvironment environment;
    environment.store = context.store;
    environment.language = context.language;
    if (context.runDialog)
        environment.runDialog = context.runDialog;
    return confui::withDesktopDefaults(std::move(environment));
}
} // namespace

Cwm_DomainListDialogDlg::Cwm_DomainListDialogDlg(const RecordContext& context, QWidget* parent)
    : QDialog(parent), m_context(context), m_environment(listEnvironment(context)),
      m_binding(kKey, "EditDomain", confui::ListKind::Text)
{
    setObjectName(QStringLiteral("DomList"));
    const int lang = context.language;
    setWindowTitle(uiText("records.domainList", lang));
    m_binding.load(*context.store);

    auto* explanation = new QLabel(uiText("records.domainListText", lang) + QLatin1Char('\n') +
                                       uiText("records.domainListText2", lang),
                                   this);
    explanation->setTextFormat(Qt::PlainText);
    explanation->setWordWrap(true);

    m_box = new confui::ListBox(m_binding, m_environment, this);
    m_box->view()->setHeaderLabels({uiText("records.domainField", lang).remove(QLatin1Char(':')),
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
    return m_context.exec(*this);
}

void Cwm_DomainListDialogDlg::accept()
{
    config::ConfigStore& store = *m_context.store;
    m_binding.save(store);
    if (!store.save())
        app::MessageBox::show(
            this, app::MessageKind::Failure,
            QString::fromStdString(confui::saveFailureText(store, app::MessageBox::language())));
    else if (store.lastSaveStatus() == config::SaveStatus::SavedNotDurable)
        app::MessageBox::showText(this, app::MessageKind::Notice, "confui.savedNotDurable");
    QDialog::accept();
}

} // namespace morva::records
