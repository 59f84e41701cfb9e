#include "confui/ListBox.h"

#include "config/ValueRules.h"
#include "confui/EntryEditDialog.h"
#include "confui/FieldChecks.h"
#include "confui/Messages.h"
#include "confui/QtTexts.h"
#include "gui/ListFilterBar.h"
#include "gui/ListFilterModel.h"
#include "gui/ListPanel.h"
#include "gui/TextTableModel.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <algorithm>

namespace morva::confui {

ListBox::ListBox(ListBinding& binding, const SheetEnvironment& environment, QWidget* parent)
    : QWidget(parent), m_binding(binding), m_environment(environment)
{
    const int language = environment.language;
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_panel = new gui::ListPanel({uiText("confui.button.new", language),
                                  uiText("confui.button.edit", language),
                                  uiText("confui.button.delete", language)},
                                 QAbstractItemView::ExtendedSelection, language, this);
    // Pages hold several lists: Ctrl+F reaches the filter of the list that
    // has the focus.
    m_panel->filterBar()->focusOnFindKey(*this);
    m_model = new gui::TextTableModel(this);
    setUpColumns();
    m_panel->setSourceModel(m_model);
    QTableView* view = m_panel->view();
    view->setShowGrid(false);
    view->setMinimumHeight(96);
    view->horizontalHeader()->resizeSection(0, 260);
    layout->addWidget(m_panel, 1);

    connect(newButton(), &QPushButton::clicked, this, &ListBox::newEntry);
    connect(editButton(), &QPushButton::clicked, this, &ListBox::editEntry);
    connect(deleteButton(), &QPushButton::clicked, this, &ListBox::deleteEntries);
    connect(view, &QTableView::doubleClicked, this, &ListBox::editEntry);
    connect(m_panel->filterModel(), &gui::ListFilterModel::countChanged, this,
            &ListBox::updateButtons);
    connect(m_panel->filterBar(), &gui::ListFilterBar::showProblemsToggled, this,
            &ListBox::showProblemsOnly);
    refill();
}

QTableView* ListBox::view() const
{
    return m_panel->view();
}

QPushButton* ListBox::newButton() const
{
    return m_panel->newButton();
}

QPushButton* ListBox::editButton() const
{
    return m_panel->editButton();
}

QPushButton* ListBox::deleteButton() const
{
    return m_panel->deleteButton();
}

void ListBox::setHeadings(const QStringList& headings)
{
    m_model->setHeadings(headings);
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
    m_model->setHeadings(headers);
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
    // The key's flags are known once the binding has loaded; headings an
    // owner set stay while the columns stay.
    if (m_model->columnCount() != (m_binding.keepsComments() ? 2 : 1))
        setUpColumns();
    const auto& values = m_binding.values();
    const auto& comments = m_binding.comments();
    std::vector<QStringList> rows;
    rows.reserve(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        QStringList texts{shownText(values[i])};
        if (m_binding.keepsComments())
            texts << fromConfigBytes(comments[i]);
        rows.push_back(std::move(texts));
    }
    m_model->setRows(std::move(rows));
    markProblems();
    updateButtons();
}

void ListBox::markProblems()
{
    const int language = m_environment.language;
    std::vector<QString> notes(m_binding.size());
    const auto findings = m_binding.findings();
    for (const config::ListFinding& finding : findings) {
        const QString other = QString::number(finding.otherEntry + 1);
        const QString otherText = m_model->rowAt(static_cast<int>(finding.otherEntry)).value(0);
        QString& note = notes.at(finding.entry);
        switch (finding.problem) {
        case config::ListProblem::Duplicate:
            note = uiText("lists.problem.duplicate", language, {other, otherText});
            break;
        case config::ListProblem::Covered:
            note = uiText("lists.problem.covered", language, {other, otherText});
            break;
        case config::ListProblem::EmptyPart:
            note = uiText("lists.problem.emptyPart", language);
            break;
        case config::ListProblem::HostBitsSet:
            note = uiText("lists.problem.hostBits", language);
            break;
        case config::ListProblem::NotANetwork:
            note = uiText("lists.problem.notANetwork", language);
            break;
        }
    }
    m_problemCount = static_cast<int>(findings.size());
    m_model->setNotes(std::move(notes), style()->standardIcon(QStyle::SP_MessageBoxWarning));
    QCheckBox* problemsOnly = m_panel->filterBar()->problemsSwitch();
    problemsOnly->setVisible(m_problemCount > 0 || problemsOnly->isChecked());
    if (problemsOnly->isChecked())
        showProblemsOnly(true);
}

void ListBox::showProblemsOnly(bool on)
{
    if (on)
        m_panel->filterModel()->setRowFilter(
            [model = m_model](int row) { return !model->noteAt(row).isEmpty(); });
    else
        m_panel->filterModel()->setRowFilter({});
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
    for (int row : m_panel->selectedSourceRows())
        positions.insert(static_cast<std::size_t>(row) + 1);
    return positions;
}

void ListBox::updateButtons()
{
    const bool rows = m_panel->filterModel()->rowCount() > 0;
    editButton()->setEnabled(rows);
    deleteButton()->setEnabled(rows);
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
    m_panel->showSourceRow(static_cast<int>(m_binding.size()) - 1);
    emit changed();
}

void ListBox::editEntry()
{
    // The current row when it is selected, else the first selected entry.
    int row = m_panel->currentSourceRow();
    const std::vector<int> selected = m_panel->selectedSourceRows();
    if (row < 0 || !std::binary_search(selected.begin(), selected.end(), row))
        row = selected.empty() ? -1 : selected.front();
    if (row < 0 || static_cast<std::size_t>(row) >= m_binding.size()) {
        showMessage(this, MessageKind::Refused,
                    uiText("confui.noItemSelected", m_environment.language));
        return;
    }
    const std::size_t position = static_cast<std::size_t>(row) + 1;
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
    m_panel->showSourceRow(static_cast<int>(position - 1));
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
    const int language = m_environment.language;
    const QString question =
        positions.size() < 2
            ? uiText("confui.deleteSelected", language)
            : uiText("lists.deleteEntries", language,
                     {gui::groupedNumber(static_cast<qint64>(positions.size()), language)});
    if (!askYesNo(this, question))
        return;
    m_binding.remove(positions);
    refill();
    emit changed();
}

} // namespace morva::confui
