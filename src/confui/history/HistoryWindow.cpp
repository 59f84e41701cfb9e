#include "confui/history/HistoryWindow.h"

#include "config/ConfigDiff.h"
#include "config/ConfigStore.h"
#include "config/FileHistory.h"
#include "confui/SaveFailureText.h"
#include "confui/history/ChangeText.h"
#include "db/DataSet.h"
#include "db/RecordHistory.h"
#include "db/RecordLayout.h"
#include "gui/MessageBox.h"
#include "gui/Text.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace morva::confui {

namespace {

constexpr std::uint64_t kMaxShown = std::uint64_t(512) << 20;

QString fromBytes(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The text of a record file's name in the file choice.
const char* fileTextId(const db::RecordLayout& layout)
{
    if (&layout == &db::kAliaLayout)
        return "history.file.alias";
    if (&layout == &db::kBlocLayout)
        return "history.file.block";
    return "history.file.user";
}

} // namespace

HistoryWindow::HistoryWindow(config::ConfigStore& store, config::FileHistory& history,
                             platform::FileSystem& fileSystem, int language, QWidget* parent)
    : QDialog(parent), m_store(store), m_history(history), m_fileSystem(fileSystem),
      m_language(language)
{
    setObjectName(QStringLiteral("configurationHistory"));
    setWindowTitle(gui::uiText("history.caption", language));

    m_file = new QComboBox(this);
    const std::string configName(config::baseNameOf(store.fileName()));
    m_file->addItem(gui::uiText("history.file.config", language, {fromBytes(configName)}),
                    QString::fromStdString(configName));
    for (const db::RecordLayout* layout : db::keptRecordLayouts()) {
        const QString name = gui::toQString(layout->fileName);
        m_file->addItem(gui::uiText(fileTextId(*layout), language, {name}), name);
    }
    auto* fileLabel = new QLabel(gui::uiText("history.file.label", language), this);
    fileLabel->setBuddy(m_file);

    m_list = new QTreeWidget(this);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setHeaderLabels({gui::uiText("history.column.time", language),
                             gui::uiText("history.column.user", language),
                             gui::uiText("history.column.machine", language),
                             gui::uiText("history.column.source", language),
                             gui::uiText("history.column.changed", language)});

    m_comparison = new QComboBox(this);
    m_comparison->addItem(gui::uiText("history.compare.previous", language));
    m_comparison->addItem(gui::uiText("history.compare.current", language));
    auto* compareLabel = new QLabel(gui::uiText("history.compare.label", language), this);
    compareLabel->setBuddy(m_comparison);

    // File contents: never rich text.
    m_changes = new QPlainTextEdit(this);
    m_changes->setReadOnly(true);
    m_changes->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_changes->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_restore =
        buttons->addButton(gui::uiText("history.restore", language), QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_restore, &QPushButton::clicked, this, [this] {
        if (restoreSelected())
            reload();
    });

    auto* lower = new QWidget(this);
    auto* lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    auto* compareRow = new QHBoxLayout;
    compareRow->addWidget(compareLabel);
    compareRow->addWidget(m_comparison);
    compareRow->addStretch();
    lowerLayout->addLayout(compareRow);
    lowerLayout->addWidget(m_changes);
    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(m_list);
    splitter->addWidget(lower);
    splitter->setStretchFactor(1, 2);

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(fileLabel);
    fileRow->addWidget(m_file);
    fileRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fileRow);
    layout->addWidget(splitter);
    layout->addWidget(buttons);
    resize(760, 560);

    connect(m_list, &QTreeWidget::currentItemChanged, this, &HistoryWindow::showChanges);
    connect(m_comparison, &QComboBox::currentIndexChanged, this, &HistoryWindow::showChanges);
    connect(m_file, &QComboBox::currentIndexChanged, this, &HistoryWindow::reload);
    reload();
}

HistoryWindow::~HistoryWindow() = default;

void HistoryWindow::setDataSet(db::DataSet* dataSet)
{
    m_dataSet = dataSet;
    showChanges();
}

std::string HistoryWindow::fileName() const
{
    return m_file->currentData().toString().toStdString();
}

const db::RecordLayout* HistoryWindow::recordLayout() const
{
    return db::keptRecordLayout(fileName());
}

void HistoryWindow::reload()
{
    const db::RecordLayout* records = recordLayout();
    m_entries = m_history.entries(fileName());
    m_list->headerItem()->setText(
        4, gui::uiText(records ? "history.column.records" : "history.column.changed", m_language));
    m_list->clear();
    // Newest first; the row keeps the entry's index.
    for (std::size_t i = m_entries.size(); i-- > 0;) {
        const auto& entry = m_entries[i];
        auto* item = new QTreeWidgetItem(m_list);
        item->setText(0, fromBytes(config::localTimeText(entry.time)));
        item->setText(1, fromBytes(entry.user));
        item->setText(2, fromBytes(entry.machine));
        item->setText(3, fromBytes(entry.source));
        if (records)
            item->setText(4, QString::number(entry.size / records->length));
        else if (entry.changedKeys >= 0)
            item->setText(4, QString::number(entry.changedKeys));
        item->setData(0, Qt::UserRole, static_cast<int>(i));
    }
    for (int column = 0; column < m_list->columnCount(); ++column)
        m_list->resizeColumnToContents(column);
    if (m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(0));
    showChanges();
}

int HistoryWindow::selectedIndex() const
{
    const QTreeWidgetItem* item = m_list->currentItem();
    return item ? item->data(0, Qt::UserRole).toInt() : -1;
}

bool HistoryWindow::readCurrent(std::string* text, platform::FileError* error) const
{
    // The record files lie beside "Morva.ini".
    const std::string& configPath = m_store.fileName();
    const std::string path =
        configPath.substr(0, configPath.size() - config::baseNameOf(configPath).size()) +
        fileName();
    // A file that is not there holds nothing: every kept entry was removed.
    return config::readWholeFile(m_fileSystem, path, kMaxShown, text, error) ||
           *error == platform::FileError::NotFound;
}

void HistoryWindow::showChanges()
{
    const int index = selectedIndex();
    const db::RecordLayout* records = recordLayout();
    m_restore->setEnabled(index >= 0 && (!records || m_dataSet));
    if (index < 0)
        return showNote(
            gui::uiText(records ? "history.record.empty" : "history.empty", m_language));
    const std::string fileName = this->fileName();
    const auto position = static_cast<std::size_t>(index);
    // A version that cannot be read is said so, never compared as empty.
    const QString name = fromBytes(fileName);
    auto keptUnreadable = [&](const config::HistoryEntry& entry) {
        showNote(gui::uiText("history.keptUnreadable", m_language,
                             {name, fromBytes(config::localTimeText(entry.time))}));
    };
    std::string before;
    if (!m_history.read(fileName, m_entries[position].id, &before))
        return keptUnreadable(m_entries[position]);
    std::string after;
    // A kept version is the file before its save: the save's own changes
    // lead to the next kept version, or to the file now for the newest.
    const bool againstCurrent = m_comparison->currentIndex() == 1;
    if (!againstCurrent && position + 1 < m_entries.size()) {
        if (!m_history.read(fileName, m_entries[position + 1].id, &after))
            return keptUnreadable(m_entries[position + 1]);
    } else if (platform::FileError error = platform::FileError::None;
               !readCurrent(&after, &error)) {
        return showNote(gui::uiText("history.currentUnreadable", m_language,
                                    {name, QString::fromLatin1(platform::fileErrorName(error))}));
    }
    const auto changes = records ? db::recordChanges(*records, before, after)
                                 : config::diffConfigTexts(before, after, config::schemaListKeys());
    // Change lines stay whole, one per key or record, to be compared.
    m_changes->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_changes->setPlainText(fromBytes(
        changeLines(changes, gui::uiText("history.noChanges", m_language).toStdString())));
}

void HistoryWindow::showNote(const QString& text)
{
    m_changes->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_changes->setPlainText(text);
}

bool HistoryWindow::restoreSelected()
{
    const int index = selectedIndex();
    if (index < 0)
        return false;
    if (recordLayout())
        return restoreRecordFile(m_entries[static_cast<std::size_t>(index)]);
    std::string bytes;
    const std::string fileName(config::baseNameOf(m_store.fileName()));
    if (!m_history.read(fileName, m_entries[static_cast<std::size_t>(index)].id, &bytes) ||
        !m_store.saveText(bytes, {"restore"})) {
        gui::MessageBox::show(this, gui::MessageKind::Failure,
                              fromBytes(saveFailureText(m_store, m_language)));
        return false;
    }
    return true;
}

bool HistoryWindow::restoreRecordFile(const config::HistoryEntry& entry)
{
    if (!m_dataSet)
        return false;
    const QString name = fromBytes(fileName());
    if (gui::MessageBox::show(this, gui::MessageKind::Question,
                              gui::uiText("history.record.confirm", m_language,
                                          {name, fromBytes(config::localTimeText(entry.time))})) !=
        gui::MessageAnswer::Yes)
        return false;
    // The lock: the data set tells why it could not be had.
    if (!m_dataSet->acquire())
        return false;
    const db::RecordRestore restored =
        db::restoreRecordFile(*m_dataSet, fileName(), entry.id, "restore");
    const bool closed = m_dataSet->release();
    const QString error = QString::fromLatin1(platform::fileErrorName(restored.error));
    switch (restored.status) {
    case db::RecordRestoreStatus::Restored:
        return closed;
    case db::RecordRestoreStatus::NotKept:
        gui::MessageBox::show(this, gui::MessageKind::Failure,
                              gui::uiText("history.record.notKept", m_language, {name, error}));
        return false;
    case db::RecordRestoreStatus::UnknownFile:
    case db::RecordRestoreStatus::UnknownVersion:
        gui::MessageBox::show(this, gui::MessageKind::Failure,
                              gui::uiText("history.record.versionGone", m_language, {name}));
        return false;
    case db::RecordRestoreStatus::WriteFailed:
        break;
    }
    gui::MessageBox::show(this, gui::MessageKind::Failure,
                          gui::uiText("history.record.restoreFailed", m_language, {name, error}));
    return false;
}

} // namespace morva::confui
