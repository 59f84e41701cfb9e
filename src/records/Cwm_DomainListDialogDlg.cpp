#include "records/Cwm_DomainListDialogDlg.h"

#include "app/MessageBox.h"
#include "config/ConfigStore.h"
#include "records/Cwm_EntrySheet.h"
#include "records/RecordText.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <set>

namespace morva::records {

namespace {

const EntrySheetDef kEditDomain{
    "EditDomain",
    "records.editDomain",
    "records.editDomain",
    nullptr,
    {{"records.domainField", EntryFieldKind::Text},
     {"records.commentField", EntryFieldKind::Comment}},
};

} // namespace

Cwm_DomainListDialogDlg::Cwm_DomainListDialogDlg(const RecordContext& context, QWidget* parent)
    : QDialog(parent), m_context(context)
{
    setObjectName(QStringLiteral("DomList"));
    const int lang = context.language;
    setWindowTitle(uiText("records.domainList", lang));

    m_domains = context.store->getList(kKey);
    m_comments = context.store->getItemComments(kKey);
    m_comments.resize(m_domains.size());

    auto* explanation = new QLabel(uiText("records.domainListText", lang) + QLatin1Char('\n') +
                                       uiText("records.domainListText2", lang),
                                   this);
    explanation->setTextFormat(Qt::PlainText);
    explanation->setWordWrap(true);

    m_list = new QTreeWidget(this);
    m_list->setColumnCount(2);
    m_list->setHeaderLabels({uiText("records.domainField", lang).remove(QLatin1Char(':')),
                             uiText("records.commentField", lang).remove(QLatin1Char(':'))});
    m_list->setRootIsDecorated(false);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->header()->resizeSection(0, 240);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this] { editDomain(); });

    auto* newButton = new QPushButton(uiText("records.new", lang), this);
    m_edit = new QPushButton(uiText("records.edit", lang), this);
    m_delete = new QPushButton(uiText("records.delete", lang), this);
    for (QPushButton* button : {newButton, m_edit, m_delete})
        button->setAutoDefault(false);
    connect(newButton, &QPushButton::clicked, this, [this] { newDomain(); });
    connect(m_edit, &QPushButton::clicked, this, [this] { editDomain(); });
    connect(m_delete, &QPushButton::clicked, this, [this] { deleteDomains(); });

    auto* side = new QVBoxLayout;
    side->addWidget(newButton);
    side->addWidget(m_edit);
    side->addWidget(m_delete);
    side->addStretch();
    auto* middle = new QHBoxLayout;
    middle->addWidget(m_list, 1);
    middle->addLayout(side);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(uiText("records.ok", lang), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(uiText("records.cancel", lang), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addLayout(middle, 1);
    layout->addWidget(buttons);
    resize(560, 380);
    refill();
}

int Cwm_DomainListDialogDlg::run()
{
    return m_context.exec(*this);
}

void Cwm_DomainListDialogDlg::refill()
{
    m_list->clear();
    for (std::size_t i = 0; i < m_domains.size(); ++i) {
        auto* item =
            new QTreeWidgetItem(m_list, {fromBytes(m_domains[i]), fromBytes(m_comments[i])});
        // The entry's position, so a sorted view still maps back.
        item->setData(0, Qt::UserRole, static_cast<qulonglong>(i + 1));
    }
    const bool any = !m_domains.empty();
    m_edit->setEnabled(any);
    m_delete->setEnabled(any);
}

bool Cwm_DomainListDialogDlg::editEntry(std::string& domain, std::string& comment)
{
    Cwm_EntrySheet sheet(kEditDomain, m_context.language, this);
    sheet.setValues({fromBytes(domain), fromBytes(comment)});
    if (m_context.exec(sheet) != QDialog::Accepted)
        return false;
    const QStringList values = sheet.values();
    domain = toBytes(values.value(0));
    comment = toBytes(values.value(1));
    return true;
}

void Cwm_DomainListDialogDlg::newDomain()
{
    std::string domain;
    std::string comment;
    if (!editEntry(domain, comment))
        return;
    m_domains.push_back(domain);
    m_comments.push_back(comment);
    refill();
}

void Cwm_DomainListDialogDlg::editDomain()
{
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    if (selected.size() != 1) {
        app::MessageBox::showText(this, app::MessageKind::Refused, "confui.noItemSelected");
        return;
    }
    const std::size_t index = selected.front()->data(0, Qt::UserRole).toULongLong() - 1;
    if (index >= m_domains.size())
        return;
    if (editEntry(m_domains[index], m_comments[index]))
        refill();
}

void Cwm_DomainListDialogDlg::deleteDomains()
{
    std::set<std::size_t> positions;
    for (QTreeWidgetItem* item : m_list->selectedItems())
        positions.insert(item->data(0, Qt::UserRole).toULongLong() - 1);
    if (positions.empty()) {
        app::MessageBox::showText(this, app::MessageKind::Refused, "confui.noItemSelected");
        return;
    }
    if (app::MessageBox::showText(this, app::MessageKind::Question, "confui.deleteSelected") !=
        app::MessageAnswer::Yes)
        return;
    std::vector<std::string> domains;
    std::vector<std::string> comments;
    for (std::size_t i = 0; i < m_domains.size(); ++i) {
        if (positions.count(i))
            continue;
        domains.push_back(m_domains[i]);
        comments.push_back(m_comments[i]);
    }
    m_domains = std::move(domains);
    m_comments = std::move(comments);
    refill();
}

void Cwm_DomainListDialogDlg::accept()
{
    config::ConfigStore& store = *m_context.store;
    store.setList(kKey, m_domains);
    store.setItemComments(kKey, m_comments);
    if (!store.save())
        app::MessageBox::showText(this, app::MessageKind::Failure, "confui.unableToWrite");
    QDialog::accept();
}

} // namespace morva::records
