#include "confui/browser/SettingsBrowser.h"

#include "config/ChangeRows.h"
#include "config/ConfigSnapshot.h"
#include "config/ConfigStore.h"
#include "config/MergeSave.h"
#include "confui/Catalogue.h"
#include "confui/ChangesDialog.h"
#include "confui/ConflictDialog.h"
#include "confui/Messages.h"
#include "confui/OptionsSheetBuilder.h"
#include "confui/QtTexts.h"
#include "confui/SaveFailureText.h"
#include "confui/browser/SettingEditDialogs.h"
#include "confui/browser/SettingsTableModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>
#include <set>

namespace morva::confui {

namespace {
constexpr config::ValueKind kKinds[] = {
    config::ValueKind::Bool,       config::ValueKind::Int,      config::ValueKind::String,
    config::ValueKind::StringList, config::ValueKind::TextList, config::ValueKind::NetList,
};

QPushButton* plainButton(const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    // Enter belongs to the search field and the table, never to a button.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}
} // namespace

SettingsBrowser::SettingsBrowser(const SheetEnvironment& environment, QWidget* parent)
    : QDialog(parent), m_environment(environment), m_base(config::snapshotOf(*environment.store))
{
    const int language = environment.language;
    setObjectName(QStringLiteral("SettingsBrowser"));
    setWindowTitle(uiText("browser.window.caption", language));
    setSizeGripEnabled(true);
    auto* layout = new QVBoxLayout(this);

    auto* grid = new QGridLayout;
    auto* searchLabel = new QLabel(uiText("browser.window.search", language), this);
    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("settingsSearch"));
    m_search->setClearButtonEnabled(true);
    m_search->setPlaceholderText(uiText("browser.window.searchHint", language));
    searchLabel->setBuddy(m_search);
    grid->addWidget(searchLabel, 0, 0);
    grid->addWidget(m_search, 0, 1, 1, 5);
    buildFilters(grid);
    layout->addLayout(grid);

    m_nearest = new QLabel(this);
    m_nearest->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    m_nearest->setVisible(false);
    layout->addWidget(m_nearest);

    m_model = new SettingsTableModel(*environment.store, language, this);
    m_model->setPending(&m_pending);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("settingsTable"));
    m_table->setAccessibleName(windowTitle());
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setTabKeyNavigation(false);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->setVisible(false);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setColumnWidth(SettingsTableModel::KeyColumn, 240);
    m_table->setColumnWidth(SettingsTableModel::ValueColumn, 220);
    m_table->setColumnWidth(SettingsTableModel::DefaultColumn, 110);
    m_table->setColumnWidth(SettingsTableModel::KindColumn, 80);
    m_table->installEventFilter(this);
    m_search->installEventFilter(this);
    layout->addWidget(m_table, 1);

    m_count = new QLabel(this);
    layout->addWidget(m_count);

    auto* buttons = new QHBoxLayout;
    m_edit = plainButton(uiText("browser.window.edit", language), this);
    m_reset = plainButton(uiText("browser.window.reset", language), this);
    m_goTo = plainButton(uiText("browser.window.goTo", language), this);
    m_ok = plainButton(uiText("confui.button.ok", language), this);
    m_cancel = plainButton(uiText("confui.button.cancel", language), this);
    m_save = plainButton(uiText("browser.window.save", language), this);
    m_changes = plainButton(uiText("merge.changes.button", language), this);
    for (QPushButton* button : {m_edit, m_reset, m_goTo, m_changes})
        buttons->addWidget(button);
    buttons->addStretch();
    for (QPushButton* button : {m_ok, m_cancel, m_save})
        buttons->addWidget(button);
    layout->addLayout(buttons);

    connect(m_search, &QLineEdit::textChanged, this, &SettingsBrowser::searchChanged);
    connect(m_search, &QLineEdit::returnPressed, this, [this] {
        if (m_model->rowCount() > 0) {
            m_table->setFocus();
            if (!m_table->currentIndex().isValid())
                m_table->selectRow(0);
        }
    });
    connect(m_nearest, &QLabel::linkActivated, this,
            [this](const QString& key) { setSearchText(key); });
    connect(m_table, &QTableView::doubleClicked, this, [this] { editCurrent(); });
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &SettingsBrowser::updateState);
    connect(m_edit, &QPushButton::clicked, this, [this] { editCurrent(); });
    connect(m_reset, &QPushButton::clicked, this, &SettingsBrowser::resetSelected);
    connect(m_goTo, &QPushButton::clicked, this, &SettingsBrowser::goToPage);
    connect(m_ok, &QPushButton::clicked, this, &SettingsBrowser::accept);
    connect(m_cancel, &QPushButton::clicked, this, &SettingsBrowser::reject);
    connect(m_save, &QPushButton::clicked, this, [this] { save(); });
    connect(m_changes, &QPushButton::clicked, this, &SettingsBrowser::showChanges);
    auto* find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, this, [this] {
        m_search->setFocus();
        m_search->selectAll();
    });
    auto* saveKey = new QShortcut(QKeySequence::Save, this);
    connect(saveKey, &QShortcut::activated, this, [this] { save(); });

    resize(980, 560);
    m_search->setFocus();
    updateState();
}

SettingsBrowser::~SettingsBrowser()
{
    m_model->setPending(nullptr);
}

void SettingsBrowser::buildFilters(QGridLayout* grid)
{
    const int language = m_environment.language;
    m_changed = new QCheckBox(uiText("browser.filter.changed", language), this);
    m_lists = new QCheckBox(uiText("browser.filter.lists", language), this);
    m_noPage = new QCheckBox(uiText("browser.filter.noPage", language), this);
    m_sheet = new QComboBox(this);
    m_sheet->addItem(uiText("browser.filter.allSheets", language), 0);
    for (const SheetDef& sheet : catalogue().sheets())
        if (sheet.type > 0 && !sheet.wizard)
            m_sheet->addItem(toQ(plainLabel(morva::text(sheet.caption, language))), sheet.type);
    m_kind = new QComboBox(this);
    m_kind->addItem(uiText("browser.filter.allKinds", language), -1);
    for (config::ValueKind kind : kKinds)
        m_kind->addItem(QString::fromLatin1(config::valueKindName(kind)), static_cast<int>(kind));
    auto* sheetLabel = new QLabel(uiText("browser.filter.sheet", language), this);
    sheetLabel->setBuddy(m_sheet);
    auto* kindLabel = new QLabel(uiText("browser.filter.kind", language), this);
    kindLabel->setBuddy(m_kind);
    auto* row = new QHBoxLayout;
    row->addWidget(m_changed);
    row->addWidget(m_lists);
    row->addWidget(m_noPage);
    row->addSpacing(12);
    row->addWidget(sheetLabel);
    row->addWidget(m_sheet, 1);
    row->addWidget(kindLabel);
    row->addWidget(m_kind);
    grid->addLayout(row, 1, 1, 1, 5);
    for (QCheckBox* box : {m_changed, m_lists, m_noPage})
        connect(box, &QCheckBox::toggled, this, &SettingsBrowser::applyFilter);
    for (QComboBox* box : {m_sheet, m_kind})
        connect(box, &QComboBox::currentIndexChanged, this, &SettingsBrowser::applyFilter);
}

void SettingsBrowser::setPageOpener(PageOpener opener)
{
    m_openPage = std::move(opener);
    updateState();
}

void SettingsBrowser::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    if (readOnly)
        m_pending.clear();
    for (QPushButton* button : {m_edit, m_reset, m_save, m_cancel, m_changes})
        button->setVisible(!readOnly);
    pendingUpdated();
}

void SettingsBrowser::applyFilter()
{
    SettingsFilter filter;
    filter.changedOnly = m_changed->isChecked();
    filter.listsOnly = m_lists->isChecked();
    filter.noPageOnly = m_noPage->isChecked();
    if (const int sheet = m_sheet->currentData().toInt(); sheet > 0)
        filter.sheetType = sheet;
    if (const int kind = m_kind->currentData().toInt(); kind >= 0)
        filter.kind = static_cast<config::ValueKind>(kind);
    m_model->setFilter(filter);
    updateState();
}

void SettingsBrowser::searchChanged()
{
    m_model->setSearchText(m_search->text());
    updateState();
}

void SettingsBrowser::setSearchText(const QString& text)
{
    m_search->setText(text);
    searchChanged();
}

void SettingsBrowser::showKey(const std::string& key)
{
    setSearchText(toQ(key));
    const int row = m_model->rowOf(key);
    if (row >= 0) {
        m_table->selectRow(row);
        m_table->setFocus();
    }
}

void SettingsBrowser::updateState()
{
    const int language = m_environment.language;
    const auto& nearest = m_model->nearestKeys();
    if (nearest.empty()) {
        m_nearest->setVisible(false);
    } else {
        QStringList links;
        for (const std::string& key : nearest) {
            const QString escaped = toQ(key).toHtmlEscaped();
            links << QStringLiteral("<a href=\"%1\">%1</a>").arg(escaped);
        }
        m_nearest->setText(uiText("browser.window.didYouMean", language)
                               .toHtmlEscaped()
                               .arg(links.join(QStringLiteral(", "))));
        m_nearest->setVisible(true);
    }
    m_count->setText(uiText("browser.window.count", language)
                         .arg(m_model->rowCount())
                         .arg(static_cast<qulonglong>(m_pending.size())));
    const bool hasRow = m_table->currentIndex().isValid();
    m_edit->setEnabled(hasRow && !m_readOnly);
    m_reset->setEnabled(hasRow && !m_readOnly);
    m_goTo->setEnabled(hasRow && m_openPage &&
                       !m_model->settingAt(m_table->currentIndex().row()).places.empty());
}

std::string SettingsBrowser::currentKey() const
{
    const QModelIndex current = m_table->currentIndex();
    return current.isValid() ? m_model->settingAt(current.row()).key : std::string();
}

void SettingsBrowser::editCurrent()
{
    const std::string key = currentKey();
    if (!key.empty())
        editKey(key);
}

bool SettingsBrowser::editKey(const std::string& key)
{
    const auto entry = m_environment.store->find(key);
    if (!entry || m_readOnly)
        return false;
    int result = QDialog::Rejected;
    if (config::isListKind(entry->kind)) {
        SettingListDialog dialog(m_environment, m_pending, key, this);
        result = m_environment.runDialog(dialog);
    } else {
        SettingValueDialog dialog(m_environment, m_pending, key, this);
        result = m_environment.runDialog(dialog);
    }
    pendingUpdated();
    return result == QDialog::Accepted;
}

bool SettingsBrowser::stageTypedValue(const std::string& key, const QString& text)
{
    if (m_readOnly)
        return false;
    const bool staged = confui::stageTypedValue(this, m_environment, m_pending, key, text);
    pendingUpdated();
    return staged;
}

void SettingsBrowser::resetSelected()
{
    if (m_readOnly)
        return;
    std::set<int> rows;
    for (const QModelIndex& index : m_table->selectionModel()->selectedRows())
        rows.insert(index.row());
    if (rows.empty() && m_table->currentIndex().isValid())
        rows.insert(m_table->currentIndex().row());
    for (int row : rows)
        m_pending.stageReset(*m_environment.store, m_model->settingAt(row).key);
    pendingUpdated();
}

void SettingsBrowser::discardPending(const std::string& key)
{
    m_pending.discard(key);
    pendingUpdated();
}

void SettingsBrowser::showChanges()
{
    std::vector<config::PendingChange> changes;
    for (const SettingChange& change : pendingChanges())
        changes.push_back({change.key, change.oldText, change.newText});
    ChangesDialog dialog(config::changeRows(changes), m_environment.language, this);
    if (m_environment.runDialog)
        m_environment.runDialog(dialog);
    else
        dialog.exec();
}

std::vector<SettingChange> SettingsBrowser::pendingChanges() const
{
    return m_pending.changes(*m_environment.store);
}

void SettingsBrowser::pendingUpdated()
{
    m_model->pendingChanged();
    updateState();
    emit pendingChanged();
}

void SettingsBrowser::goToPage()
{
    const QModelIndex current = m_table->currentIndex();
    if (!current.isValid() || !m_openPage)
        return;
    const SettingInfo& setting = m_model->settingAt(current.row());
    if (setting.places.empty())
        return;
    // The place on the sheet the filter names, when there is one.
    const int wanted = m_sheet->currentData().toInt();
    const SettingPlace* place = &setting.places.front();
    for (const SettingPlace& candidate : setting.places)
        if (candidate.sheetType == wanted)
            place = &candidate;
    const std::string key = setting.key;
    m_openPage(this, place->sheetType, place->page, key);
    // The sheet may have saved: show what the store holds now.
    m_model->refreshValues();
    const int row = m_model->rowOf(key);
    if (row >= 0)
        m_table->selectRow(row);
    updateState();
}

bool SettingsBrowser::save()
{
    if (m_pending.empty())
        return true;
    config::ConfigStore& store = *m_environment.store;
    m_pending.applyTo(store);
    // As a sheet saves: one write of the file, merged with a file another
    // program changed meanwhile (keys changed on both sides are asked), the
    // same messages.
    const config::ConflictResolver resolve = [this](std::vector<config::KeyMerge>& conflicts) {
        ConflictDialog dialog(conflicts, m_environment.language, this);
        return m_environment.runDialog(dialog) == QDialog::Accepted;
    };
    const config::MergeSaveResult result = config::saveMerging(
        store, m_base, resolve, m_decisions, config::SaveOrigin{windowTitle().toStdString()});
    if (result.status != config::MergeSaveStatus::Saved) {
        // The values stay pending: a later Save writes them again.
        if (result.status == config::MergeSaveStatus::Failed)
            showMessage(this, MessageKind::Failure,
                        QString::fromStdString(saveFailureText(store, m_environment.language)));
        return false;
    }
    if (result.saveStatus == config::SaveStatus::SavedNotDurable)
        showMessage(this, MessageKind::Notice,
                    uiText("confui.savedNotDurable", m_environment.language));
    // A merged save went through a second store: go on with the file as it is.
    if (result.mergedWithDisk)
        store.load();
    m_base = config::snapshotOf(store);
    m_decisions = {};
    m_pending.clear();
    m_model->refreshValues();
    pendingUpdated();
    return true;
}

void SettingsBrowser::accept()
{
    if (save())
        QDialog::accept();
}

bool SettingsBrowser::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (watched == m_search && key->key() == Qt::Key_Down && m_model->rowCount() > 0) {
        m_table->setFocus();
        if (!m_table->currentIndex().isValid())
            m_table->selectRow(0);
        return true;
    }
    if (watched == m_table && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_F2:
            editCurrent();
            return true;
        case Qt::Key_Delete:
            resetSelected();
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace morva::confui
