#include "records/Cwm_RouteListDlg.h"

#include "config/ConfigStore.h"
#include "records/RecordText.h"

#include <QHeaderView>
#include <QTableView>

namespace morva::records {

namespace {

const EntrySheetDef kRouteSheet{
    "RouteDomain",
    "records.routeList",
    "records.group.routeAll",
    nullptr,
    {{"records.routeDomain", EntryFieldKind::Text},
     {"records.routeHost", EntryFieldKind::Text},
     {"records.routePort", EntryFieldKind::Port}},
};

RouteEntry toEntry(const QStringList& fields)
{
    RouteEntry entry;
    entry.domain = toBytes(fields.value(0));
    entry.host = toBytes(fields.value(1));
    const int port = fields.value(2).toInt();
    entry.port = port < 2 ? kDefaultSmtpPort : static_cast<std::uint32_t>(port);
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
    // The port needs only the room of its heading.
    grid()->horizontalHeader()->setStretchLastSection(false);
    grid()->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
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
    return {QString(), QString(), QString::number(port < 2 ? kDefaultSmtpPort : port)};
}

void Cwm_RouteListDlg::appendEntry(const QStringList& fields)
{
    m_routes.append(toEntry(fields));
}

void Cwm_RouteListDlg::replaceEntry(int index, const QStringList& fields)
{
    m_routes.replace(static_cast<std::size_t>(index), toEntry(fields));
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
