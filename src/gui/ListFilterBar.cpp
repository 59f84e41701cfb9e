#include "gui/ListFilterBar.h"

#include "gui/ListFilterModel.h"
#include "gui/Text.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QShortcut>

namespace morva::gui {

QString groupedNumber(qint64 number, int language)
{
    static const QLocale::Language kLocales[kLanguageCount] = {
        QLocale::English, QLocale::German, QLocale::French, QLocale::Italian, QLocale::Spanish};
    const QLocale locale(language >= 0 && language < kLanguageCount ? kLocales[language]
                                                                    : QLocale::English);
    return locale.toString(number);
}

ListFilterBar::ListFilterBar(ListFilterModel& model, int language, QWidget* parent)
    : QWidget(parent), m_model(model), m_language(language)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_field = new QLineEdit(this);
    m_field->setObjectName(QStringLiteral("ListFilter"));
    m_field->setPlaceholderText(uiText("lists.filter", language));
    m_field->setAccessibleName(uiText("lists.filterName", language));
    m_field->setClearButtonEnabled(true);
    m_field->installEventFilter(this);
    layout->addWidget(m_field, 1);

    m_problems = new QCheckBox(uiText("lists.showProblems", language), this);
    m_problems->setObjectName(QStringLiteral("ListShowProblems"));
    m_problems->hide();
    layout->addWidget(m_problems);

    m_actions = new QHBoxLayout;
    layout->addLayout(m_actions);

    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("ListCount"));
    m_count->setTextFormat(Qt::PlainText);
    m_count->setAccessibleName(uiText("lists.countName", language));
    layout->addWidget(m_count);

    connect(m_field, &QLineEdit::textChanged, &m_model, &ListFilterModel::setFilterText);
    connect(m_problems, &QCheckBox::toggled, this, &ListFilterBar::showProblemsToggled);
    connect(&m_model, &ListFilterModel::countChanged, this, &ListFilterBar::updateCount);
    updateCount(m_model.shownCount(), m_model.totalCount());
}

void ListFilterBar::updateCount(int shown, int total)
{
    m_count->setText(uiText("lists.count", m_language,
                            {groupedNumber(shown, m_language), groupedNumber(total, m_language)}));
}

void ListFilterBar::focusOnFindKey(QWidget& scope)
{
    auto* find = new QShortcut(QKeySequence::Find, &scope);
    find->setContext(Qt::WidgetWithChildrenShortcut);
    connect(find, &QShortcut::activated, this, [this] {
        m_field->setFocus(Qt::ShortcutFocusReason);
        m_field->selectAll();
    });
}

void ListFilterBar::clear()
{
    m_field->clear();
    m_problems->setChecked(false);
}

bool ListFilterBar::eventFilter(QObject* watched, QEvent* event)
{
    // Escape in a filled filter field clears it; only an empty field lets
    // Escape through to the dialog (which closes).
    if (watched == m_field && !m_field->text().isEmpty() &&
        (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
        static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
        event->accept();
        if (event->type() == QEvent::KeyPress)
            m_field->clear();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace morva::gui
