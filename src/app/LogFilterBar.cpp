#include "app/LogFilterBar.h"

#include "app/LogColors.h"
#include "gui/Text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <QToolButton>

namespace morva::app {

namespace {

const char* const kCategoryTextIds[log::kLogCategoryCount] = {
    "",
    "app.logFilter.rejections",
    "app.logFilter.deliveries",
    "app.logFilter.viruses",
    "app.logFilter.problems",
    "app.logFilter.connections",
};

class QtRegexPattern final : public log::LogPattern
{
public:
    explicit QtRegexPattern(QRegularExpression regex) : m_regex(std::move(regex)) {}
    bool find(std::string_view text, std::string_view, std::size_t from, std::size_t* begin,
              std::size_t* length) const override
    {
        // Offsets in the UTF-8 text: the match is searched in the rest from
        // `from` and measured back in bytes.
        const QString rest = gui::toQString(text.substr(std::min(from, text.size())));
        const QRegularExpressionMatch match = m_regex.match(rest);
        if (!match.hasMatch())
            return false;
        *begin = from + static_cast<std::size_t>(rest.left(match.capturedStart()).toUtf8().size());
        *length = static_cast<std::size_t>(match.captured().toUtf8().size());
        return true;
    }

private:
    QRegularExpression m_regex;
};

} // namespace

std::unique_ptr<log::LogPattern> makeQtRegex(const std::string& expression, std::string* error)
{
    QRegularExpression regex(gui::toQString(expression),
                             QRegularExpression::CaseInsensitiveOption |
                                 QRegularExpression::UseUnicodePropertiesOption);
    if (!regex.isValid()) {
        if (error)
            *error = regex.errorString().toStdString();
        return nullptr;
    }
    regex.optimize();
    return std::make_unique<QtRegexPattern>(std::move(regex));
}

LogFilterBar::LogFilterBar(int languageIndex, QWidget* parent)
    : QWidget(parent), m_language(languageIndex), m_text(new QLineEdit(this)),
      m_regex(new QCheckBox(gui::uiText("app.logFilter.regex", languageIndex), this)),
      m_thread(new QLineEdit(this)), m_mode(new QComboBox(this)), m_count(new QLabel(this)),
      m_settle(new QTimer(this))
{
    setObjectName(QStringLiteral("LogFilterBar"));
    m_text->setObjectName(QStringLiteral("filterText"));
    m_text->setPlaceholderText(gui::uiText("app.logFilter.placeholder", languageIndex));
    m_text->setClearButtonEnabled(true);
    m_text->setMinimumWidth(m_text->fontMetrics().averageCharWidth() * 28);
    m_text->setToolTip(gui::uiText("app.logFilter.help", languageIndex));
    m_text->setAccessibleName(m_text->placeholderText());
    m_thread->setObjectName(QStringLiteral("filterThread"));
    m_thread->setPlaceholderText(gui::uiText("app.log.thread", languageIndex));
    m_thread->setAccessibleName(m_thread->placeholderText());
    m_thread->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,9}")), this));
    m_thread->setMaximumWidth(m_thread->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) +
                              24);
    m_thread->setClearButtonEnabled(true);
    m_mode->addItem(gui::uiText("app.logFilter.onlyMatching", languageIndex));
    m_mode->addItem(gui::uiText("app.logFilter.highlight", languageIndex));
    m_count->setTextFormat(Qt::PlainText);
    m_count->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    // Room for the count of a full view in every language; longer texts (a
    // regular expression's error) take what is left.
    m_count->setMinimumWidth(m_count->fontMetrics().horizontalAdvance(
        gui::uiText("app.logFilter.count", languageIndex).arg(200000).arg(200000)));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(m_text, 3);
    // The switch keeps its whole text; the filter field gives way.
    m_regex->setMinimumWidth(m_regex->sizeHint().width());
    layout->addWidget(m_regex);
    layout->addWidget(m_thread);
    layout->addWidget(m_mode);
    const bool dark = isDarkPalette(palette());
    for (int c = 1; c < log::kLogCategoryCount; ++c) {
        auto* button = new QToolButton(this);
        const auto category = static_cast<log::LogCategory>(c);
        button->setText(gui::uiText(kCategoryTextIds[c], languageIndex));
        button->setCheckable(true);
        button->setAutoRaise(false);
        button->setToolTip(gui::uiText("app.logFilter.legendTip", languageIndex));
        QPalette colours = button->palette();
        colours.setColor(QPalette::Button, categoryColor(category, dark));
        colours.setColor(QPalette::ButtonText, termTextColor(dark));
        button->setPalette(colours);
        button->setAutoFillBackground(true);
        connect(button, &QToolButton::clicked, this, [this, category](bool checked) {
            setCategory(checked ? category : log::LogCategory::None);
            emit filterChanged();
        });
        m_legend[static_cast<std::size_t>(c)] = button;
        layout->addWidget(button);
    }
    layout->addWidget(m_count, 1);
    auto* close = new QToolButton(this);
    close->setObjectName(QStringLiteral("closeFilterBar"));
    close->setText(QStringLiteral("\u2715"));
    close->setAutoRaise(true);
    close->setToolTip(gui::uiText("app.logFilter.close", languageIndex));
    layout->addWidget(close);
    connect(close, &QToolButton::clicked, this, &LogFilterBar::closeRequested);

    m_settle->setSingleShot(true);
    connect(m_settle, &QTimer::timeout, this, &LogFilterBar::filterChanged);
    connect(m_text, &QLineEdit::textChanged, this, &LogFilterBar::changedSoon);
    connect(m_thread, &QLineEdit::textChanged, this, &LogFilterBar::changedSoon);
    connect(m_regex, &QCheckBox::toggled, this, &LogFilterBar::filterChanged);
    connect(m_mode, &QComboBox::currentIndexChanged, this, &LogFilterBar::filterChanged);
}

QToolButton* LogFilterBar::legendButton(log::LogCategory category) const
{
    return m_legend[static_cast<std::size_t>(category)];
}

QString LogFilterBar::countText() const
{
    return m_count->text();
}

bool LogFilterBar::onlyMatching() const
{
    return m_mode->currentIndex() == 0;
}

void LogFilterBar::changedSoon()
{
    m_settle->start(kSettleMs);
}

std::shared_ptr<const log::LogFilter> LogFilterBar::buildFilter(QString* error) const
{
    log::LogQuery query = log::parseFilterText(m_text->text().toStdString(), m_regex->isChecked());
    const QString thread = m_thread->text();
    if (!thread.isEmpty()) {
        // "007" is thread 7, as the gateway writes it.
        const qsizetype digit = thread.indexOf(QRegularExpression(QStringLiteral("[1-9]")));
        query.thread = digit < 0 ? std::string("0") : thread.mid(digit).toStdString();
    }
    std::string reason;
    auto filter = log::LogFilter::compile(query, &reason, makeQtRegex);
    if (!filter && error)
        *error = gui::uiText("app.logFilter.badRegex", m_language).arg(gui::toQString(reason));
    return filter;
}

void LogFilterBar::setThread(const QString& thread)
{
    m_thread->setText(thread);
    m_settle->stop();
    emit filterChanged();
}

void LogFilterBar::setCategory(log::LogCategory category)
{
    m_category = category;
    for (int c = 1; c < log::kLogCategoryCount; ++c)
        m_legend[static_cast<std::size_t>(c)]->setChecked(static_cast<log::LogCategory>(c) ==
                                                          category);
}

void LogFilterBar::clear()
{
    const QSignalBlocker text(m_text);
    const QSignalBlocker thread(m_thread);
    m_text->clear();
    m_thread->clear();
    setCategory(log::LogCategory::None);
    m_settle->stop();
    emit filterChanged();
}

void LogFilterBar::showCount(int shown, int total)
{
    m_text->setStyleSheet(QString());
    m_count->setText(gui::uiText("app.logFilter.count", m_language).arg(shown).arg(total));
}

void LogFilterBar::showError(const QString& error)
{
    m_text->setStyleSheet(QStringLiteral("QLineEdit { color: #c00000; }"));
    m_count->setText(error);
}

void LogFilterBar::focusText()
{
    m_text->setFocus();
    m_text->selectAll();
}

void LogFilterBar::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        clear();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace morva::app
