#pragma once

#include "confui/Catalogue.h"
#include "gui/FileTextCodec.h"

#include <QDialog>
#include <QString>
#include <memory>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace morva::confui {

// The modal entry dialog of a list setting, built from its EntryDialogDef:
// value fields, a comment field (two-field variant) and checkboxes (the
// three-field variant with two boxes). A field with choices is a drop-down
// list of them. OK refuses blank fields ("Blank field is not allowed!"),
// values outside a field's choices and entries that fail the field's check;
// IP entries are normalised before the dialog closes.
class EntryEditDialog : public QDialog
{
    Q_OBJECT
public:
    EntryEditDialog(const EntryDialogDef& definition, int language, QWidget* parent = nullptr);

    // "ENG_EDITIP": the template name in the dialog's language.
    QString templateName() const;
    const EntryDialogDef& definition() const { return m_definition; }

    void setFields(const std::vector<QString>& values);
    std::vector<QString> fields() const;
    void setComment(const QString& comment);
    QString comment() const;
    // Lists whose entries cannot carry a comment hide the comment field;
    // comment() is then empty.
    void setCommentShown(bool shown);
    void setChecks(const std::vector<bool>& checks);
    std::vector<bool> checks() const;

    // One list entry from the fields (through the dialog's codec) and back.
    QString entry() const;
    void setEntry(const QString& entry);

    // nullptr for a choice field, or beyond the fields.
    QLineEdit* fieldEdit(std::size_t index) const;
    // nullptr for a text field.
    QComboBox* choiceBox(std::size_t index) const;
    QLineEdit* commentEdit() const { return m_comment; }

    // How the list keeps its values and comments. Call it once the fields
    // are filled: OK then refuses a field or comment that was changed into a
    // text the file cannot hold (unchanged texts keep their bytes).
    void setStoredForms(gui::FileTextCodec value, gui::FileTextCodec comment = {});

public slots:
    void accept() override;

private:
    QString fieldText(std::size_t index) const;
    void setFieldText(std::size_t index, const QString& text);

    EntryDialogDef m_definition;
    int m_language;
    std::vector<QLineEdit*> m_fields;  // nullptr where the field is a choice
    std::vector<QComboBox*> m_choices; // nullptr where the field is text
    QLineEdit* m_comment = nullptr;
    QLabel* m_commentLabel = nullptr;
    std::vector<QCheckBox*> m_checks;
    gui::FileTextCodec m_valueCodec;
    gui::FileTextCodec m_commentCodec;
    std::vector<QString> m_givenFields;
    QString m_givenComment;
};

// The dialog classes by variant; all share the behaviour above.
class Cwm_SimpleEditDlg : public EntryEditDialog
{
    Q_OBJECT
public:
    using EntryEditDialog::EntryEditDialog;
};

class Cwm_Simple2EditDlg : public EntryEditDialog
{
    Q_OBJECT
public:
    using EntryEditDialog::EntryEditDialog;
};

class Cwm_Simple3EditDlg : public EntryEditDialog
{
    Q_OBJECT
public:
    using EntryEditDialog::EntryEditDialog;
};

class Cwm_Simple3l2EditDlg : public EntryEditDialog
{
    Q_OBJECT
public:
    using EntryEditDialog::EntryEditDialog;
};

class Cwm_Simple5EditDlg : public EntryEditDialog
{
    Q_OBJECT
public:
    using EntryEditDialog::EntryEditDialog;
};

// The dialog class of the definition's variant.
std::unique_ptr<EntryEditDialog> createEntryDialog(const EntryDialogDef& definition, int language,
                                                   QWidget* parent);

} // namespace morva::confui
