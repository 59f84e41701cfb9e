#include "confui/history/HistoryWindow.h"

#include "config/ConfigDiff.h"
#include "config/ConfigStore.h"
#include "config/FileHistory.h"
#include "confui/SaveFailureText.h"
#include "confui/history/ChangeText.h"
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

} // namespace

HistoryWindow::HistoryWindow(config::ConfigStore& store, config::FileHistory& history,
                             platform::FileSystem& fileSystem, int language, QWidget* parent)
    : QDialog(parent), m_store(store), m_history(history), m_fileSystem(fileSystem),
      m_language(language)
{
    setObjectName(QStringLiteral("configurationHistory"));
    setWindowTitle(gui::uiText("history.caption", language));

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

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);
    layout->addWidget(buttons);
    resize(760, 560);

    connect(m_list, &QTreeWidget::currentItemChanged, this, &HistoryWindow::showChanges);
    connect(m_comparison, &QComboBox::currentIndexChanged, this, &HistoryWindow::showChanges);
    reload();
}

HistoryWindow::~HistoryWindow() = default;

void HistoryWindow::reload()
{
    m_entries = m_history.entries(config::baseNameOf(m_store.fileName()));
    m_list->clear();
    // Newest first; the row keeps the entry's index.
    for (std::size_t i = m_entries.size(); i-- > 0;) {
        const auto& entry = m_entries[i];
        auto* item = new QTreeWidgetItem(m_list);
        item->setText(0, fromBytes(config::localTimeText(entry.time)));
        item->setText(1, fromBytes(entry.user));
        item->setText(2, fromBytes(entry.machine));
        item->setText(3, fromBytes(entry.source));
        item->setText(4, entry.changedKeys < 0 ? QString() : QString::number(entry.changedKeys));
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

std::string HistoryWindow::currentText() const
{
    std::string text;
    platform::FileError error = platform::FileError::None;
    config::readWholeFile(m_fileSystem, m_store.fileName(), kMaxShown, &text, &error);
    return text;
}

void HistoryWindow::showChanges()
{
    const int index = selectedIndex();
    m_restore->setEnabled(index >= 0);
    if (index < 0) {
        m_changes->setPlainText(gui::uiText("history.empty", m_language));
        return;
    }
    const std::string fileName(config::baseNameOf(m_store.fileName()));
    const auto position = static_cast<std::size_t>(index);
    std::string before;
    m_history.read(fileName, m_entries[position].id, &before);
    std::string after;
    // A kept version is the file before its save: the save's own changes
    // lead to the next kept version, or to the file now for the newest.
    const bool againstCurrent = m_comparison->currentIndex() == 1;
    if (!againstCurrent && position + 1 < m_entries.size())
        m_history.read(fileName, m_entries[position + 1].id, &after);
    else
        after = currentText();
    const auto changes = config::diffConfigTexts(before, after, config::schemaListKeys());
    m_changes->setPlainText(fromBytes(
        changeLines(changes, gui::uiText("history.noChanges", m_language).toStdString())));
}

bool HistoryWindow::restoreSelected()
{
    const int index = selectedIndex();
    if (index < 0)
        return false;
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

} // namespace morva::confui
