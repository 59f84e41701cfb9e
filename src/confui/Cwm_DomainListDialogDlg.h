#pragma once

#include "confui/ListBinding.h"
#include "confui/SheetEnvironment.h"

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

namespace morva::config {
class ConfigStore;
}

namespace morva::confui {

class ListBox;

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

    // `runDialog` runs the modal dialogs (this one and the entry dialogs);
    // empty: QDialog::exec. Tests answer them there.
    Cwm_DomainListDialogDlg(config::ConfigStore& store, int language,
                            std::function<int(QDialog&)> runDialog = {}, QWidget* parent = nullptr);
    ~Cwm_DomainListDialogDlg() override;

    int run();

    const std::vector<std::string>& domains() const { return m_binding.values(); }
    const std::vector<std::string>& comments() const { return m_binding.comments(); }
    ListBox* listBox() const { return m_box; }

public slots:
    void accept() override;

private:
    config::ConfigStore& m_store;
    SheetEnvironment m_environment;
    ListBinding m_binding;
    ListBox* m_box;
};

} // namespace morva::confui
