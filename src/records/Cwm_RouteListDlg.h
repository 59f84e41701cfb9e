#pragma once

#include "records/ConfigListEditors.h"
#include "records/Cwm_GridListDlg.h"

namespace morva::records {

// "Message Routing": the static routes of one list key (SMTPStaticRoute or
// ExchStaticRoute), opened from the configuration pages.
class Cwm_RouteListDlg : public Cwm_GridListDlg
{
    Q_OBJECT
public:
    Cwm_RouteListDlg(const RecordContext& context, std::string key, QWidget* parent = nullptr);

    const RouteListEditor& routes() const { return m_routes; }

protected:
    int entryCount() const override;
    QStringList entryFields(int index) const override;
    QStringList newEntryFields() const override;
    void appendEntry(const QStringList& fields) override;
    void replaceEntry(int index, const QStringList& fields) override;
    void removeEntry(int index) override;
    void storeEntries() override;

private:
    RouteListEditor m_routes;
};

} // namespace morva::records
