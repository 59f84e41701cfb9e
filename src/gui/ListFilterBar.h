#pragma once

#include <QWidget>

class QCheckBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;

namespace morva::gui {

class ListFilterModel;

// A count in the digit grouping of a console language ("1,234", "1.234").
QString groupedNumber(qint64 number, int language);

// The row above a list: the filter field (live as one types; Escape first
// clears it), an optional "Show problems only" switch, room for actions of
// the list (Import..., Export...) and the count of shown rows ("1,234 of
// 100,000").
class ListFilterBar : public QWidget
{
    Q_OBJECT
public:
    ListFilterBar(ListFilterModel& model, int language, QWidget* parent = nullptr);

    QLineEdit* field() const { return m_field; }
    QLabel* countLabel() const { return m_count; }
    // Hidden until a list has problems to show.
    QCheckBox* problemsSwitch() const { return m_problems; }
    // Actions of the list go here, between the filter and the count.
    QHBoxLayout* actionSlot() const { return m_actions; }

    // Ctrl+F anywhere inside `scope` puts the focus into the filter field.
    void focusOnFindKey(QWidget& scope);
    void clear();

signals:
    void showProblemsToggled(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateCount(int shown, int total);

    ListFilterModel& m_model;
    int m_language;
    QLineEdit* m_field;
    QCheckBox* m_problems;
    QHBoxLayout* m_actions;
    QLabel* m_count;
};

} // namespace morva::gui
