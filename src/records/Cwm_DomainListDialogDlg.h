#pragma once

#include "records/RecordContext.h"

#include <QDialog>
#include <string>
#include <vector>

class QPushButton;
class QTreeWidget;

namespace morva::records {

// "E-mail domain on Exchange": the domains of ExchInboundDomain with the
// comment of each line. Ok stores the list and writes "Morva.ini" (a failed
// write is reported; the dialog closes either way); Cancel changes nothing.
class Cwm_DomainListDialogDlg : public QDialog
{
    Q_OBJECT
public:
    static constexpr const char* kKey = "ExchInboundDomain";

    Cwm_DomainListDialogDlg(const RecordContext& context, QWidget* parent = nullptr);

    int run();
    void newDomain();
    void editDomain();
    void deleteDomains();

    const std::vector<std::string>& domains() const { return m_domains; }
    const std::vector<std::string>& comments() const { return m_comments; }
    QTreeWidget* list() const { return m_list; }
    QPushButton* editButton() const { return m_edit; }
    QPushButton* deleteButton() const { return m_delete; }

public slots:
    void accept() override;

private:
    void refill();
    bool editEntry(std::string& domain, std::string& comment);

    RecordContext m_context;
    std::vector<std::string> m_domains;
    std::vector<std::string> m_comments;
    QTreeWidget* m_list;
    QPushButton* m_edit;
    QPushButton* m_delete;
};

} // namespace morva::records
