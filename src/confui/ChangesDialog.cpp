#include "confui/ChangesDialog.h"

#include "config/ValueRules.h"
#include "confui/QtTexts.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace morva::confui {

QString shownValueText(const std::string& key, const std::string& bytes)
{
    const auto rule = config::valueRule(key);
    if (rule && rule->kind == config::ValueKind::TextList)
        return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return fromConfigBytes(bytes);
}

namespace {

QString kindText(config::ChangeRow::Kind kind, int language)
{
    switch (kind) {
    case config::ChangeRow::Kind::ItemAdded:
        return uiText("merge.kind.added", language);
    case config::ChangeRow::Kind::ItemRemoved:
        return uiText("merge.kind.removed", language);
    case config::ChangeRow::Kind::Changed:
        break;
    }
    return uiText("merge.kind.changed", language);
}

QTableWidgetItem* cell(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setToolTip(text.toHtmlEscaped());
    return item;
}

} // namespace

ChangesDialog::ChangesDialog(const std::vector<config::ChangeRow>& rows, int language,
                             QWidget* parent)
    : QDialog(parent), m_table(new QTableWidget(static_cast<int>(rows.size()), 4))
{
    setWindowTitle(uiText("merge.changes.title", language));
    m_table->setHorizontalHeaderLabels(
        {uiText("merge.column.key", language), uiText("merge.column.change", language),
         uiText("merge.column.old", language), uiText("merge.column.new", language)});
    m_table->verticalHeader()->hide();
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setWordWrap(false);
    int row = 0;
    for (const config::ChangeRow& change : rows) {
        m_table->setItem(row, 0, cell(toQ(change.key)));
        m_table->setItem(row, 1, cell(kindText(change.kind, language)));
        m_table->setItem(row, 2, cell(shownValueText(change.key, change.oldText)));
        m_table->setItem(row, 3, cell(shownValueText(change.key, change.newText)));
        ++row;
    }
    m_table->resizeColumnsToContents();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setMinimumSize(640, 260);

    auto* none = new QLabel(uiText("merge.changes.none", language));
    none->setTextFormat(Qt::PlainText);
    none->setVisible(rows.empty());
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(uiText("confui.button.ok", language), QDialogButtonBox::AcceptRole)
        ->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(none);
    layout->addWidget(m_table);
    layout->addWidget(buttons);
}

} // namespace morva::confui
