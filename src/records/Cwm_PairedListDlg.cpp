#include "records/Cwm_PairedListDlg.h"

#include "config/ConfigStore.h"
#include "records/RecordText.h"

namespace morva::records {

Cwm_PairedListDlg::Cwm_PairedListDlg(const RecordContext& context, const PairedListKind& kind,
                                     QWidget* parent)
    : Cwm_GridListDlg(context, kind.captionId, kind.sheet, kind.deleteQuestionId,
                      {uiText(kind.sourceColumnId, context.language),
                       uiText(kind.targetColumnId, context.language)},
                      parent),
      m_pairs(kind.sourceKey, kind.targetKey)
{
    setObjectName(QString::fromLatin1(kind.listTemplate));
    m_pairs.load(store());
}

int Cwm_PairedListDlg::entryCount() const
{
    return static_cast<int>(m_pairs.size());
}

QStringList Cwm_PairedListDlg::entryFields(int index) const
{
    const auto [source, target] = m_pairs.entry(static_cast<std::size_t>(index));
    return {fromBytes(source), fromBytes(target)};
}

void Cwm_PairedListDlg::appendEntry(const QStringList& fields)
{
    m_pairs.append(toBytes(fields.value(0)), toBytes(fields.value(1)));
}

void Cwm_PairedListDlg::replaceEntry(int index, const QStringList& fields)
{
    const auto [source, target] = m_pairs.entry(static_cast<std::size_t>(index));
    m_pairs.replace(static_cast<std::size_t>(index), toBytes(fields.value(0), source),
                    toBytes(fields.value(1), target));
}

void Cwm_PairedListDlg::removeEntry(int index)
{
    m_pairs.remove(static_cast<std::size_t>(index));
}

void Cwm_PairedListDlg::storeEntries()
{
    m_pairs.store(store());
}

} // namespace morva::records
