#pragma once

// The settings browser's editors of one key, with the controls and checks
// of the pages: a switch, a number with its range, a text with its field
// check, a page's choice of items, and for a list the page's list box with
// the key's entry dialog and comments. OK stages the value as a pending
// change; a value the key's rule refuses is refused with the pages'
// message and the dialog stays open.

#include "config/ValueKind.h"
#include "confui/ListBinding.h"
#include "confui/SheetEnvironment.h"

#include <QDialog>
#include <memory>
#include <string>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace morva::confui {

class ListBox;
class PendingSettings;

class SettingValueDialog : public QDialog
{
    Q_OBJECT
public:
    SettingValueDialog(const SheetEnvironment& environment, PendingSettings& pending,
                       std::string key, QWidget* parent = nullptr);

    // The one control that edits the value (the others are null).
    QCheckBox* checkBox() const { return m_check; }
    QLineEdit* field() const { return m_field; }
    QComboBox* choices() const { return m_choices; }

    void accept() override;

private:
    const SheetEnvironment& m_environment;
    PendingSettings& m_pending;
    std::string m_key;
    QCheckBox* m_check = nullptr;
    QLineEdit* m_field = nullptr;
    QComboBox* m_choices = nullptr;
};

class SettingListDialog : public QDialog
{
    Q_OBJECT
public:
    SettingListDialog(const SheetEnvironment& environment, PendingSettings& pending,
                      std::string key, QWidget* parent = nullptr);
    ~SettingListDialog() override;

    ListBox* listBox() const { return m_box; }

    void accept() override;

private:
    const SheetEnvironment& m_environment;
    PendingSettings& m_pending;
    std::unique_ptr<ListBinding> m_binding;
    ListBox* m_box = nullptr;
};

// Stages `typed` (a Bool as "True"/"False") as the value of `key` after the
// pages' checks: what the file's 8-bit text cannot hold, then the key's value
// rule. A refusal is shown over `parent` with the pages' message. True when
// staged.
bool stageTypedValue(QWidget* parent, const SheetEnvironment& environment, PendingSettings& pending,
                     const std::string& key, const QString& typed);

// The entry dialog the pages use for list `key`; a list on no page gets the
// address dialog (network lists) or the text dialog.
std::string entryDialogOfList(const std::string& key, config::ValueKind kind);

} // namespace morva::confui
