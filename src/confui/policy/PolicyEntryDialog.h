#pragma once

#include "confui/policy/PolicyList.h"

#include <QDialog>
#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QWidget;

namespace morva::confui {

class CertificateSource;

// The entry dialog of a policy list: one control per field of the list (text
// fields, a certificate combo offering the files of the list's certificate
// folder, checkboxes for flags, combos for choices) and, where the key keeps
// comments, a comment field. OK checks every field and names the faulty one;
// a certificate that is not in its folder is accepted only after a question.
// Its object name is the list's dialog name ("Cwm_SMIMEPolDlg", "EditDKIM").
class PolicyEntryDialog : public QDialog
{
    Q_OBJECT
public:
    PolicyEntryDialog(const PolicyList& list, const CertificateSource* certificates, int language,
                      QWidget* parent = nullptr);

    const PolicyList& list() const { return m_list; }

    // The stored text of the entry; an entry that cannot be read is shown
    // in the first field so nothing is lost.
    void setEntry(const std::string& text);
    std::string entry() const;
    void setComment(const QString& comment);
    QString comment() const;

    void setFields(const PolicyFields& fields);
    PolicyFields fields() const;
    QWidget* fieldWidget(std::size_t index) const { return m_widgets.at(index); }

    // The message boxes of OK; tests answer here.
    std::function<void(const QString& text)> showRefusal;
    std::function<bool(const QString& question)> askToContinue;

public slots:
    void accept() override;

private:
    QString certificateValue(std::size_t index) const;

    PolicyList m_list;
    const CertificateSource* m_certificates;
    int m_language;
    std::vector<QWidget*> m_widgets;
    QLineEdit* m_comment = nullptr;
};

} // namespace morva::confui
