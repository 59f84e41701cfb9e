#pragma once

#include "log/LogCategory.h"
#include "log/LogFilter.h"

#include <QWidget>
#include <array>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTimer;
class QToolButton;

namespace morva::app {

// The bar above the log rows: filter terms ("-word" excludes, "a phrase"),
// a regular expression instead, a thread number, whether rows that do not
// match are hidden or only the matches marked, and the colour legend of the
// categories (a click on one shows that category only). Typing settles for
// a moment before the filter changes. Escape clears it.
class LogFilterBar : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kSettleMs = 150;

    explicit LogFilterBar(int languageIndex, QWidget* parent = nullptr);

    QLineEdit* textEdit() const { return m_text; }
    QLineEdit* threadEdit() const { return m_thread; }
    QCheckBox* regexBox() const { return m_regex; }
    QComboBox* modeBox() const { return m_mode; }
    QToolButton* legendButton(log::LogCategory category) const;
    QString countText() const;

    bool onlyMatching() const;
    log::LogCategory category() const { return m_category; }
    // The filter of the fields; null with a reason in *error when the
    // regular expression is invalid.
    std::shared_ptr<const log::LogFilter> buildFilter(QString* error) const;

    void setThread(const QString& thread);
    void setCategory(log::LogCategory category);
    void clear();
    // "12 of 3400 rows"; or the reason the filter is not valid.
    void showCount(int shown, int total);
    void showError(const QString& error);
    void focusText();

signals:
    void filterChanged();
    void closeRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void changedSoon();

    int m_language;
    QLineEdit* m_text;
    QCheckBox* m_regex;
    QLineEdit* m_thread;
    QComboBox* m_mode;
    QLabel* m_count;
    std::array<QToolButton*, log::kLogCategoryCount> m_legend{};
    log::LogCategory m_category = log::LogCategory::None;
    QTimer* m_settle;
};

// The regular expressions of the console: PCRE through Qt, which reports
// runaway matches instead of recursing (searches the whole activity).
std::unique_ptr<log::LogPattern> makeQtRegex(const std::string& expression, std::string* error);

} // namespace morva::app
