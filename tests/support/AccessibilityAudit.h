#pragma once

// Checks a window as a keyboard or screen reader user meets it: through Qt's
// accessibility interface (every interactive control has a name, every
// table names its columns), by its access keys (none twice among what shows)
// and by its texts (none cut by the widget that shows it). Each finding is
// one line "window: what" so a failing test lists them all.
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QStyle>
#include <QTabBar>
#include <QWidget>
#include <map>
#include <set>
#include <vector>

namespace morva::test {

struct AuditFindings
{
    std::vector<QString> unnamed;
    std::vector<QString> headerless;
    std::vector<QString> duplicateKeys;
    std::vector<QString> cutTexts;
    std::vector<QString> tabOrder;

    void add(const AuditFindings& other)
    {
        for (auto* list : {&unnamed, &headerless, &duplicateKeys, &cutTexts, &tabOrder}) {
            const auto& from = list == &unnamed         ? other.unnamed
                               : list == &headerless    ? other.headerless
                               : list == &duplicateKeys ? other.duplicateKeys
                               : list == &cutTexts      ? other.cutTexts
                                                        : other.tabOrder;
            list->insert(list->end(), from.begin(), from.end());
        }
    }
    std::size_t total() const
    {
        return unnamed.size() + headerless.size() + duplicateKeys.size() + cutTexts.size() +
               tabOrder.size();
    }
};

inline std::string describe(const std::vector<QString>& findings)
{
    QString text;
    for (const QString& finding : findings)
        text += finding + QLatin1Char('\n');
    return text.toStdString();
}

namespace audit_detail {

inline bool isInteractive(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::List:
    case QAccessible::Table:
    case QAccessible::Tree:
    case QAccessible::PageTabList:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
        return true;
    default:
        return false;
    }
}

inline QString pathOf(const QObject* object)
{
    QString path;
    for (; object; object = object->parent()) {
        QString part = QString::fromLatin1(object->metaObject()->className());
        if (!object->objectName().isEmpty())
            part += QLatin1Char('#') + object->objectName();
        path = path.isEmpty() ? part : part + QLatin1Char('/') + path;
        if (object->isWidgetType() && static_cast<const QWidget*>(object)->isWindow())
            break;
    }
    return path;
}

inline void walk(QAccessibleInterface* node, const QString& window, AuditFindings& findings,
                 int depth)
{
    if (!node || !node->isValid() || depth > 60)
        return;
    const QAccessible::State state = node->state();
    if (state.invisible)
        return;
    const QAccessible::Role role = node->role();
    if (isInteractive(role) && node->text(QAccessible::Name).trimmed().isEmpty()) {
        QString what = pathOf(node->object());
        if (role == QAccessible::EditableText || role == QAccessible::ComboBox)
            what += QStringLiteral(" value \"%1\"").arg(node->text(QAccessible::Value).left(30));
        findings.unnamed.push_back(window + QStringLiteral(": ") + what);
    }
    if (role == QAccessible::Table || role == QAccessible::Tree) {
        if (QAccessibleTableInterface* table = node->tableInterface()) {
            for (int column = 0; column < table->columnCount(); ++column)
                if (table->columnDescription(column).trimmed().isEmpty())
                    findings.headerless.push_back(
                        window + QStringLiteral(": ") + pathOf(node->object()) +
                        QStringLiteral(" column %1 has no header").arg(column));
        }
        return; // its cells are data, not controls
    }
    if (role == QAccessible::List)
        return;
    for (int i = 0; i < node->childCount(); ++i)
        walk(node->child(i), window, findings, depth + 1);
}

inline QChar accessKey(const QString& text)
{
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return {};
}

inline QString plain(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

} // namespace audit_detail

// Everything that shows in `window` now (pages that are not current are
// checked when they are).
inline AuditFindings auditWindow(QWidget* window, const QString& name)
{
    using namespace audit_detail;
    AuditFindings findings;
    walk(QAccessible::queryAccessibleInterface(window), name, findings, 0);

    std::map<QChar, QStringList> keys;
    const auto note = [&](const QString& text) {
        const QChar key = accessKey(text);
        if (!key.isNull())
            keys[key].push_back(plain(text));
    };
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window) || widget->window() != window)
            continue;
        const QFontMetrics metrics(widget->font());
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            if (label->buddy())
                note(label->text());
            if (label->textFormat() != Qt::RichText && !label->text().isEmpty() &&
                label->pixmap().isNull()) {
                const QString text = plain(label->text());
                const int room = label->contentsRect().width() - 2 * label->margin() -
                                 2 * label->indent() * (label->indent() > 0);
                const bool cut = label->wordWrap()
                                     ? label->heightForWidth(label->width()) > label->height() + 1
                                     : metrics.horizontalAdvance(
                                           text.section(QLatin1Char('\n'), 0, 0)) > room + 1;
                if (cut && label->width() > 0)
                    findings.cutTexts.push_back(name + QStringLiteral(": label \"") + text +
                                                QStringLiteral("\""));
            }
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            note(button->text());
            if (!button->text().isEmpty() &&
                (qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button) ||
                 qobject_cast<QPushButton*>(button))) {
                // A check box or button shorter than its text and frame.
                const int needed =
                    qobject_cast<QPushButton*>(button)
                        ? metrics.horizontalAdvance(plain(button->text())) +
                              (button->icon().isNull() ? 0 : button->iconSize().width())
                        : button->sizeHint().width();
                if (needed > button->width() + 1)
                    findings.cutTexts.push_back(name + QStringLiteral(": button \"") +
                                                plain(button->text()) + QStringLiteral("\""));
            }
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            if (group->isCheckable())
                note(group->title());
        } else if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                note(tabs->tabText(i));
        }
    }
    for (const auto& [key, texts] : keys)
        if (texts.size() > 1)
            findings.duplicateKeys.push_back(name + QStringLiteral(": '") + key +
                                             QStringLiteral("' in ") +
                                             texts.join(QStringLiteral(" | ")));
    return findings;
}

} // namespace morva::test
