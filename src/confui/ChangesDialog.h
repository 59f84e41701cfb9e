#pragma once

#include "config/ChangeRows.h"

#include <QDialog>
#include <vector>

class QTableWidget;

namespace morva::confui {

// Lists pending changes for review: key, kind of change, old value, new
// value, all as plain text with secrets masked. Close only; nothing is
// saved from here.
class ChangesDialog : public QDialog
{
    Q_OBJECT
public:
    ChangesDialog(const std::vector<config::ChangeRow>& rows, int language,
                  QWidget* parent = nullptr);

    QTableWidget* table() const { return m_table; }

private:
    QTableWidget* m_table;
};

// A value of `key` as bytes of the file (list items of a text list as
// UTF-8) for showing.
QString shownValueText(const std::string& key, const std::string& bytes);

} // namespace morva::confui
