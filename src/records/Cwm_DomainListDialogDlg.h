#pragma once

#include "confui/ListBinding.h"
#include "confui/SheetEnvironment.h"
#include "records/RecordContext.h"

#include <QDialog>
#include <string>
#include <vector>

namespace morva::confui {
class ListBox;
}

namespace morva::records {

// "E-mail domain on Exchange": the domains of ExchInboundDomain with the
// comment of each line, edited like every list setting of the configuration
// pages (entry dialog "EditDomain", the key's normalisation). Ok stores the
// list and writes "Morva.ini" (a failed write is reported; the dialog closes
// either way); Cancel changes nothing.
class Cwm_DomainListDialogDlg : public QDialog
{
    Q_OBJECT
public:
    static constexpr const char* kKey = "ExchInboundDomain";

    Cwm_DomainListDialogDlg(const RecordContext& context, QWidget* parent = nullptr);
    ~Cwm_DomainListDialogDlg() override;

    int run();

    const std::vector<std::string>& domains() const { return m_binding.values(); }
    const std::vector<std::string>& comments() const { return m_binding.comments(); }
    confui::ListBox* listBox() const { return m_box; }

public slots:
    void accept() override;

private:
    RecordContext m_context;
    confui::SheetEnvironment m_environment;
    confui::ListBinding m_binding;
    confui::ListBox* m_box;
};

} // namespace morva::records
