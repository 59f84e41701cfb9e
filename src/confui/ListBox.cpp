#include "confui/ListBox.h"

#include "config/ValueRules.h"
#include "confui/EntryEditDialog.h"
#include "confui/FieldChecks.h"
#include "confui/Messages.h"
#include "confui/QtTexts.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace morva::confui {

namespace {
constexpr int kPositionRole = Qt::UserRole;
}

ListBox::ListBox(ListBinding& binding, const SheetEnvironment& environment, QWidget* parent)
    : QWidget(parent), m_binding(binding), m_environment(environment)
{
    const int language = environment.language;
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_view = new QTreeWidget(this);
    setUpColumns();
    m_view->setRootIsDecorated(false);
    m_view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_view->setUniformRowHeights(true);
    m_view->setMinimumHeight(96);
    m_view->header()->setStretchLastSection(true);
    m_view->setColumnWidth(0, 260);
    layout->addWidget(m_view, 1);

    auto* buttons = new QVBoxLayout;
    m_new = new QPushButton(uiText("confui.button.new", language), this);
    m_edit = new QPushButton(uiText("confui.button.edit", language), this);
    m_delete = new QPushButton(uiText("confui.button.delete", language), this);
    for (QPushButton* button : {m_new, m_edit, m_delete})
        buttons->addWidget(button);
    buttons->addStretch();
    layout->addLayout(buttons);

    connect(m_new, &QPushButton::clicked, this, &ListBox::newEntry);
    connect(m_edit, &QPushButton::clicked, this, &ListBox::editEntry);
    connect(m_delete, &QPushButton::clicked, this, &ListBox::deleteEntries);
    connect(m_view, &QTreeWidget::itemDoubleClicked, this, &ListBox::editEntry);
    refill();
}

void ListBox::setUpColumns()
{
    // The entry column is named by the entry dialog ("User"); keys the
    // gateway reads without comments have no comment column.
    const int language = m_environment.language;
    const EntryDialogDef* dialog = catalogue().entryDialog(m_binding.entryDialog());
    QStringList headers{uiText(
        dialog && !dialog->column.empty() ? dialog->column : std::string("confui.column.value"),
        language)};
    if (m_binding.keepsComments())
        headers << uiText("confui.column.comment", language);
    m_view->setColumnCount(static_cast<int>(headers.size()));
    m_view->setHeaderLabels(headers);
}

EntryDialogDef ListBox::withKeyCheck(const EntryDialogDef& definition) const
{
    // A dialog of one free field checks what the key's items must be (an
    // address list its networks); the dialogs are shared by many keys.
    EntryDialogDef shown = definition;
    if (shown.fields.size() == 1 && shown.fields[0].choices.empty() && shown.codec.empty())
        if (const auto rule = config::valueRule(m_binding.key());
            rule && rule->check != FieldCheck::None)
            shown.fields[0].check = rule->check;
    return shown;
}

QString ListBox::shownText(const std::string& value) const
{
    // What the list shows of an entry: never a password, a country's name.
    const EntryDialogDef* dialog = catalogue().entryDialog(m_binding.entryDialog());
    const EntryCodec* codec =
        dialog && !dialog->codec.empty() ? catalogue().codec(dialog->codec) : nullptr;
    return fromConfigBytes(codec && codec->shown ? codec->shown(value) : value);
}

void ListBox::refill()
{
    m_view->clear();
    // The key's flags are known once the binding has loaded; headers an
    // owner set stay while the columns stay.
    if (m_view->columnCount() != (m_binding.keepsComments() ? 2 : 1))
        setUpColumns();
    const auto& values = m_binding.values();
    const auto& comments = m_binding.comments();
    QList<QTreeWidgetItem*> items;
    for (std::size_t i = 0; i < values.size(); ++i) {
        QStringList texts{shownText(values[i])};
        if (m_binding.keepsComments())
            texts << fromConfigBytes(comments[i]);
        auto* item = new QTreeWidgetItem(texts);
        item->setData(0, kPositionRole, static_cast<qulonglong>(i + 1));
        items.append(item);
    }
    m_view->addTopLevelItems(items);
    updateButtons();
}

void ListBox::addMissing(const std::vector<std::string>& items)
{
    if (m_binding.appendMissing(items) > 0) {
        refill();
        emit changed();
    }
}

std::set<std::size_t> ListBox::selectedPositions() const
{
    std::set<std::size_t> positions;
    for (QTreeWidgetItem* item : m_view->selectedItems())
        positions.insert(item->data(0, kPositionRole).toULongLong());
    return positions;
}

void ListBox::updateButtons()
{
    const bool rows = m_view->topLevelItemCount() > 0;
    m_edit->setEnabled(rows);
    m_delete->setEnabled(rows);
}

gui::FileTextCodec ListBox::valueCodec() const
{
    return gui::FileTextCodec(m_binding.heldAsUtf8() ? gui::FileTextCodec::Form::Utf8
                                                     : gui::FileTextCodec::Form::EightBit);
}

bool ListBox::runEntryDialog(QString& value, QString& comment, const QString& givenValue,
                             const QString& givenComment)
{
    if (m_environment.editEntry)
        if (const std::optional<bool> done =
                m_environment.editEntry(this, m_binding.key(), value, comment)) {
            if (!*done)
                return false;
            // Dialogs of their own do not know the file: refuse here.
            QString refusal;
            if (value != givenValue)
                refusal = valueCodec().refusal(value, m_environment.language);
            if (refusal.isEmpty() && comment != givenComment)
                refusal = gui::FileTextCodec().refusal(comment, m_environment.language);
            if (refusal.isEmpty())
                return true;
            showMessage(this, MessageKind::Refused, refusal);
            return false;
        }
    const EntryDialogDef* definition = catalogue().entryDialog(m_binding.entryDialog());
    if (!definition) {
        showMessage(this, MessageKind::Failure,
                    uiText("confui.dialogFailed", m_environment.language) + QLatin1Char(' ') +
                        confui::languagePrefix(m_environment.language) +
                        QString::fromStdString(m_binding.entryDialog()).toUpper());
        return false;
    }
    auto dialog = createEntryDialog(withKeyCheck(*definition), m_environment.language, this);
    dialog->setEntry(value);
    dialog->setComment(comment);
    dialog->setStoredForms(valueCodec());
    dialog->setCommentShown(m_binding.keepsComments());
    if (m_environment.runDialog(*dialog) != QDialog::Accepted)
        return false;
    value = dialog->entry();
    comment = dialog->comment();
    return true;
}

void ListBox::newEntry()
{
    QString value, comment;
    if (!runEntryDialog(value, comment, {}, {}))
        return;
    m_binding.append(valueCodec().encode(value), toConfigBytes(comment));
    refill();
    m_view->setCurrentItem(m_view->topLevelItem(m_view->topLevelItemCount() - 1));
    emit changed();
}

void ListBox::editEntry()
{
    QTreeWidgetItem* item = m_view->currentItem();
    if (!item || !item->isSelected()) {
        const auto selected = m_view->selectedItems();
        item = selected.isEmpty() ? nullptr : selected.front();
    }
    if (!item) {
        showMessage(this, MessageKind::Refused,
                    uiText("confui.noItemSelected", m_environment.language));
        return;
    }
    const std::size_t position = item->data(0, kPositionRole).toULongLong();
    QString value = fromConfigBytes(m_binding.values()[position - 1]);
    QString comment = fromConfigBytes(m_binding.comments()[position - 1]);
    const QString oldValue = value, oldComment = comment;
    if (!runEntryDialog(value, comment, oldValue, oldComment))
        return;
    // Unchanged texts keep their bytes as read.
    std::string valueBytes = valueCodec().encode(value, m_binding.values()[position - 1]);
    std::string commentBytes =
        gui::FileTextCodec().encode(comment, m_binding.comments()[position - 1]);
    m_binding.replace(position, std::move(valueBytes), std::move(commentBytes));
    refill();
    m_view->setCurrentItem(m_view->topLevelItem(static_cast<int>(position - 1)));
    emit changed();
}

void ListBox::deleteEntries()
{
    const std::set<std::size_t> positions = selectedPositions();
    if (positions.empty()) {
        showMessage(this, MessageKind::Refused,
                    uiText("confui.noItemSelected", m_environment.language));
        return;
    }
    if (!askYesNo(this, uiText("confui.deleteSelected", m_environment.language)))
        return;
    m_binding.remove(positions);
    refill();
    emit changed();
}

} // namespace morva::confui
