#include "records/Cwm_RouteListDlg.h"

#include "config/ConfigStore.h"
#include "records/RecordText.h"

#include <QHeaderView>
#include <QStyle>
#include <QTableView>
#include <algorithm>

namespace morva::records {

namespace {

const EntrySheetDef kRouteSheet{
    "RouteDomain",
    "records.routeList",
    "records.group.routeAll",
    nullptr,
    {{"records.routeDomain", EntryFieldKind::RouteDomain},
     {"records.routeHost", EntryFieldKind::RouteHost},
     {"records.routePort", EntryFieldKind::Port}},
};

// `given`: the entry the fields were read from, whose unchanged texts keep
// their bytes.
RouteEntry toEntry(const QStringList& fields, const RouteEntry& given = {})
{
    RouteEntry entry;
    entry.domain = toBytes(fields.value(0), given.domain);
    entry.host = toBytes(fields.value(1), given.host);
    // The sheet accepts only ports the gateway reads back as such.
    const std::uint32_t port = fields.value(2).toUInt();
    entry.port = port < kLowestRoutePort ? kDefaultSmtpPort : port;
    return entry;
}

} // namespace

Cwm_RouteListDlg::Cwm_RouteListDlg(const RecordContext& context, std::string key, QWidget* parent)
    : Cwm_GridListDlg(context, "records.routeList", kRouteSheet, "records.deleteRoute",
                      {uiText("records.col.routeDomain", context.language),
                       uiText("records.col.host", context.language),
                       uiText("records.col.port", context.language)},
                      parent),
      m_routes(std::move(key))
{
    setObjectName(QStringLiteral("RouteList"));
    // The port needs only the room of its heading or of the longest port; a
    // fixed width, as sizing to the contents missed rows added by a refill.
    QHeaderView* header = grid()->horizontalHeader();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(2, QHeaderView::Fixed);
    const int portWidth = grid()->fontMetrics().horizontalAdvance(QStringLiteral("65535")) +
                          2 * grid()->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 12;
    header->resizeSection(2, std::max(header->sectionSizeHint(2), portWidth));
    m_routes.load(store());
}

int Cwm_RouteListDlg::entryCount() const
{
    return static_cast<int>(m_routes.entries().size());
}

QStringList Cwm_RouteListDlg::entryFields(int index) const
{
    const RouteEntry& entry = m_routes.entries()[static_cast<std::size_t>(index)];
    return {fromBytes(entry.domain), fromBytes(entry.host), QString::number(entry.port)};
}

QStringList Cwm_RouteListDlg::newEntryFields() const
{
    const std::int32_t port = store().getInt("SMTPOutboundPort");
    const bool usable = port >= static_cast<std::int32_t>(kLowestRoutePort) && port <= 65535;
    return {QString(), QString(), QString::number(usable ? port : kDefaultSmtpPort)};
}

void Cwm_RouteListDlg::appendEntry(const QStringList& fields)
{
    m_routes.append(toEntry(fields));
}

void Cwm_RouteListDlg::replaceEntry(int index, const QStringList& fields)
{
    const auto at = static_cast<std::size_t>(index);
    m_routes.replace(at, toEntry(fields, m_routes.entries().at(at)));
}

void Cwm_RouteListDlg::removeEntry(int index)
{
    m_routes.remove(static_cast<std::size_t>(index));
}

void Cwm_RouteListDlg::storeEntries()
{
    m_routes.store(store());
}

} // namespace morva::records
