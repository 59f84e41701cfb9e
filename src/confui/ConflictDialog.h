#pragma once

#include "config/ConfigMerge.h"

#include <QDialog>
#include <vector>

class QButtonGroup;
class QPlainTextEdit;

namespace morva::confui {

// The keys that this editor and another program both changed, side by side
// (the value on disk now, the value of this editor), each with a choice:
// keep the value on disk, keep ours, or enter a value (checked like the
// key's field). OK sets the result of every conflict; it refuses while a
// choice is missing or an entered value is not valid. Values are plain text
// with secrets masked.
class ConflictDialog : public QDialog
{
    Q_OBJECT
public:
    enum Choice
    {
        KeepTheirs = 0,
        KeepMine = 1,
        EnterValue = 2,
    };

    ConflictDialog(std::vector<config::KeyMerge>& conflicts, int language,
                   QWidget* parent = nullptr);

    int conflictCount() const { return static_cast<int>(m_rows.size()); }
    void choose(int conflict, Choice choice);
    // The field of an entered value (a list: one item per line).
    QPlainTextEdit* valueField(int conflict) const;

public slots:
    void accept() override;

private:
    struct Row
    {
        QButtonGroup* choices = nullptr;
        QPlainTextEdit* value = nullptr;
    };
    std::vector<config::KeyMerge>& m_conflicts;
    std::vector<Row> m_rows;
    int m_language;
};

} // namespace morva::confui
