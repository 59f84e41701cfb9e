#include "confui/ConflictDialog.h"

#include "config/ChangeRows.h"
#include "config/SecretValues.h"
#include "config/ValueRules.h"
#include "confui/ChangesDialog.h"
#include "confui/Messages.h"
#include "confui/QtTexts.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace morva::confui {
namespace {

QString maskedText(const std::string& key, const config::KeyValue& value)
{
    QStringList lines;
    for (const auto& item : value.items)
        lines << shownValueText(key, config::maskSecret(key, item));
    return lines.join(QLatin1Char('\n'));
}

QPlainTextEdit* valueBox(const QString& text, bool readOnly)
{
    auto* box = new QPlainTextEdit(text);
    box->setReadOnly(readOnly);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    const int lines = std::max(1, std::min(6, static_cast<int>(text.count(QLatin1Char('\n'))) + 1));
    box->setFixedHeight(box->fontMetrics().lineSpacing() * lines + 12);
    box->setMinimumWidth(240);
    return box;
}

// The text of a list value typed one item per line, as items (blank lines
// dropped).
std::vector<std::string> itemsOf(const std::string& key, const QString& text)
{
    std::vector<std::string> items;
    const auto rule = config::valueRule(key);
    const bool utf8 = rule && rule->kind == config::ValueKind::TextList;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (line.trimmed().isEmpty())
            continue;
        items.push_back(utf8 ? toStd(line) : toConfigBytes(line));
    }
    return items;
}

} // namespace

ConflictDialog::ConflictDialog(std::vector<config::KeyMerge>& conflicts, int language,
                               QWidget* parent)
    : QDialog(parent), m_conflicts(conflicts), m_language(language)
{
    setWindowTitle(uiText("merge.conflict.title", language));
    auto* intro = new QLabel(uiText("merge.conflict.intro", language));
    intro->setTextFormat(Qt::PlainText);
    intro->setWordWrap(true);

    auto* grid = new QGridLayout;
    auto* headerTheirs = new QLabel(uiText("merge.conflict.theirs", language));
    auto* headerMine = new QLabel(uiText("merge.conflict.mine", language));
    for (QLabel* header : {headerTheirs, headerMine}) {
        QFont bold = header->font();
        bold.setBold(true);
        header->setFont(bold);
    }
    grid->addWidget(headerTheirs, 0, 1);
    grid->addWidget(headerMine, 0, 2);
    int line = 1;
    for (const config::KeyMerge& conflict : m_conflicts) {
        const bool secret = config::holdsSecret(conflict.key);
        auto* key = new QLabel(toQ(conflict.key));
        key->setTextFormat(Qt::PlainText);
        grid->addWidget(key, line, 0, Qt::AlignTop);
        grid->addWidget(valueBox(maskedText(conflict.key, conflict.theirs), true), line, 1);
        grid->addWidget(valueBox(maskedText(conflict.key, conflict.mine), true), line, 2);
        ++line;
        Row row;
        row.choices = new QButtonGroup(this);
        auto* theirs = new QRadioButton(uiText("merge.conflict.keepTheirs", language));
        auto* mine = new QRadioButton(uiText("merge.conflict.keepMine", language));
        auto* enter = new QRadioButton(uiText("merge.conflict.enter", language));
        row.choices->addButton(theirs, KeepTheirs);
        row.choices->addButton(mine, KeepMine);
        row.choices->addButton(enter, EnterValue);
        grid->addWidget(theirs, line, 1);
        grid->addWidget(mine, line, 2);
        ++line;
        // A secret is never shown in the field; it is typed anew.
        row.value = valueBox(secret ? QString() : maskedText(conflict.key, conflict.mine), false);
        row.value->setEnabled(false);
        grid->addWidget(enter, line, 0, Qt::AlignTop);
        grid->addWidget(row.value, line, 1, 1, 2);
        connect(enter, &QRadioButton::toggled, row.value, &QWidget::setEnabled);
        ++line;
        auto* rule = new QFrame;
        rule->setFrameShape(QFrame::HLine);
        grid->addWidget(rule, line++, 0, 1, 3);
        m_rows.push_back(row);
    }
    auto* content = new QWidget;
    content->setLayout(grid);
    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);
    scroll->setMinimumSize(720, std::min(520, content->sizeHint().height() + 8));

    auto* buttons = new QDialogButtonBox;
    buttons->addButton(uiText("merge.conflict.save", language), QDialogButtonBox::AcceptRole)
        ->setDefault(true);
    buttons->addButton(uiText("confui.button.cancel", language), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &ConflictDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ConflictDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(scroll, 1);
    layout->addWidget(buttons);
}

void ConflictDialog::choose(int conflict, Choice choice)
{
    m_rows.at(static_cast<std::size_t>(conflict)).choices->button(choice)->setChecked(true);
}

QPlainTextEdit* ConflictDialog::valueField(int conflict) const
{
    return m_rows.at(static_cast<std::size_t>(conflict)).value;
}

void ConflictDialog::accept()
{
    std::vector<config::KeyValue> results;
    for (std::size_t n = 0; n < m_rows.size(); ++n) {
        const Row& row = m_rows[n];
        const config::KeyMerge& conflict = m_conflicts[n];
        const int choice = row.choices->checkedId();
        if (choice == KeepTheirs || choice == KeepMine) {
            results.push_back(choice == KeepTheirs ? conflict.theirs : conflict.mine);
            continue;
        }
        if (choice != EnterValue) {
            showMessage(this, MessageKind::Refused,
                        uiText("merge.conflict.undecided", m_language).arg(toQ(conflict.key)));
            row.choices->buttons().front()->setFocus();
            return;
        }
        config::KeyValue entered = conflict.mine;
        config::ValueCheck check;
        if (conflict.mine.list) {
            entered.items = itemsOf(conflict.key, row.value->toPlainText());
            entered.comments.assign(entered.items.size(), std::string());
            check = config::checkListValue(conflict.key, entered.items);
        } else {
            const QString text = row.value->toPlainText().split(QLatin1Char('\n')).front();
            entered.items.assign(1, toConfigBytes(text.trimmed()));
            check = config::checkValue(conflict.key, entered.items.front());
            const auto rule = config::valueRule(conflict.key);
            if (rule && rule->kind == config::ValueKind::Bool) {
                const QString word = text.trimmed().toLower();
                entered.items.front() =
                    word == QStringLiteral("true") || word == QStringLiteral("1") ? "True"
                                                                                  : "False";
            }
        }
        if (!check.ok()) {
            showMessage(this, MessageKind::Refused,
                        toQ(conflict.key) + QStringLiteral(": ") +
                            toQ(config::valueCheckMessage(check, m_language)));
            row.value->setFocus();
            return;
        }
        results.push_back(std::move(entered));
    }
    for (std::size_t n = 0; n < results.size(); ++n)
        m_conflicts[n].result = std::move(results[n]);
    QDialog::accept();
}

} // namespace morva::confui
