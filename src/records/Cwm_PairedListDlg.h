#pragma once

#include "records/ConfigListEditors.h"
#include "records/Cwm_GridListDlg.h"
#include "records/PairedListKinds.h"

namespace morva::records {

// A grid over two parallel list keys: entry i of the source list belongs to
// entry i of the target list.
class Cwm_PairedListDlg : public Cwm_GridListDlg
{
    Q_OBJECT
public:
    const PairedListEditor& pairs() const { return m_pairs; }

protected:
    Cwm_PairedListDlg(const RecordContext& context, const PairedListKind& kind, QWidget* parent);

    int entryCount() const override;
    QStringList entryFields(int index) const override;
    void appendEntry(const QStringList& fields) override;
    void replaceEntry(int index, const QStringList& fields) override;
    void removeEntry(int index) override;
    void storeEntries() override;

private:
    PairedListEditor m_pairs;
};

// "Address Translation": inbound domain, mailbox or domain-to-address lists.
class Cwm_TransListDlg : public Cwm_PairedListDlg
{
    Q_OBJECT
public:
    Cwm_TransListDlg(const RecordContext& context, const PairedListKind& kind,
                     QWidget* parent = nullptr)
        : Cwm_PairedListDlg(context, kind, parent)
    {
    }
};

// "Address Rewrite": outbound domain or mailbox lists.
class Cwm_RewriteListDlg : public Cwm_PairedListDlg
{
    Q_OBJECT
public:
    Cwm_RewriteListDlg(const RecordContext& context, const PairedListKind& kind,
                       QWidget* parent = nullptr)
        : Cwm_PairedListDlg(context, kind, parent)
    {
    }
};

} // namespace morva::records
