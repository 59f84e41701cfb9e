#include "confui/browser/SettingsTableModel.h"

#include "config/ConfigStore.h"
#include "config/SecretValues.h"
#include "confui/Catalogue.h"
#include "confui/QtTexts.h"

#include <QFont>

namespace morva::confui {

SettingsTableModel::SettingsTableModel(const config::ConfigStore& store, int language,
                                       QObject* parent)
    : QAbstractTableModel(parent), m_store(store), m_language(language),
      m_index(store, catalogue()), m_search(m_index)
{
    refreshValues();
}

void SettingsTableModel::setSearchText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    rebuildRows();
}

void SettingsTableModel::setFilter(const SettingsFilter& filter)
{
    m_filter = filter;
    rebuildRows();
}

namespace {
// What the value column shows of an entry: secrets masked.
std::string shownSummary(const config::ConfigEntry& entry)
{
    if (!config::holdsSecret(entry.name))
        return valueSummary(entry);
    config::ConfigEntry masked = entry;
    if (config::isListKind(entry.kind)) {
        config::StringList items;
        for (const std::string& item : config::listItemTexts(entry.value))
            items.push_back(config::maskSecret(entry.name, item));
        masked.value = std::move(items);
    } else {
        masked.value = config::maskSecret(entry.name, config::displayText(entry.value));
    }
    return valueSummary(masked);
}
} // namespace

void SettingsTableModel::setPending(const PendingSettings* pending)
{
    m_pending = pending;
    pendingChanged();
}

void SettingsTableModel::pendingChanged()
{
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

int SettingsTableModel::rowOf(std::string_view key) const
{
    const auto at = m_index.indexOf(key);
    if (!at)
        return -1;
    for (std::size_t row = 0; row < m_rows.size(); ++row)
        if (m_rows[row] == *at)
            return static_cast<int>(row);
    return -1;
}

void SettingsTableModel::refreshValues()
{
    m_values.assign(m_index.size(), {});
    m_isDefault.assign(m_index.size(), true);
    m_store.forEachEntry([&](const config::ConfigEntry& entry) {
        if (const auto at = m_index.indexOf(entry.name)) {
            m_values[*at] = shownSummary(entry);
            m_isDefault[*at] = entry.isDefault();
        }
    });
    m_search.setValues(m_store);
    rebuildRows();
}

void SettingsTableModel::rebuildRows()
{
    beginResetModel();
    m_rows.clear();
    m_nearest.clear();
    const std::string text = toStd(m_text);
    const auto hits = m_search.find(text, m_language);
    for (const SearchHit& hit : hits)
        if (m_filter.passes(m_index.at(hit.setting), m_isDefault[hit.setting]))
            m_rows.push_back(hit.setting);
    // Nearest keys only for a text that matches nothing: keys the filters
    // hide are found, not misspelt.
    if (hits.empty() && !m_text.trimmed().isEmpty())
        m_nearest = m_search.nearestKeys(text);
    endResetModel();
}

const SettingInfo& SettingsTableModel::settingAt(int row) const
{
    return m_index.at(m_rows.at(static_cast<std::size_t>(row)));
}

int SettingsTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int SettingsTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString SettingsTableModel::placeText(const SettingInfo& setting) const
{
    if (setting.places.empty())
        return uiText("browser.noPage", m_language);
    const SettingPlace& place = setting.places.front();
    return toQ(plainLabel(morva::text(place.sheetCaption, m_language))) +
           QStringLiteral(" \u203A ") + toQ(plainLabel(morva::text(place.pageCaption, m_language)));
}

QVariant SettingsTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const std::size_t setting = m_rows[static_cast<std::size_t>(index.row())];
    const SettingInfo& info = m_index.at(setting);
    const bool pending = m_pending && m_pending->isPending(info.key);
    if (role == Qt::FontRole && (pending || !m_isDefault[setting])) {
        QFont font;
        font.setBold(!m_isDefault[setting] || pending);
        font.setItalic(pending);
        return font;
    }
    if (pending && role == Qt::DisplayRole && index.column() == ValueColumn)
        return QStringLiteral("* ") +
               fromConfigBytes(shownSummary(m_pending->entryAfter(m_store, info.key)));
    if (pending && role == Qt::DisplayRole && index.column() == KeyColumn)
        return QStringLiteral("* ") + toQ(info.key);
    if (role == Qt::ToolTipRole && index.column() == KeyColumn && !info.places.empty()) {
        const std::string& label = info.places.front().label;
        return label.empty() ? QVariant() : toQ(plainLabel(morva::text(label, m_language)));
    }
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case KeyColumn:
        return toQ(info.key);
    case ValueColumn: // 8-bit configuration texts, shown as the pages show them
        return fromConfigBytes(m_values[setting]);
    case DefaultColumn:
        return fromConfigBytes(info.defaultText);
    case KindColumn:
        return QString::fromLatin1(config::valueKindName(info.kind));
    case PlaceColumn:
        return placeText(info);
    default:
        return {};
    }
}

QVariant SettingsTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char* const kHeaders[ColumnCount] = {"browser.column.key", "browser.column.value",
                                                      "browser.column.default",
                                                      "browser.column.kind", "browser.column.page"};
    return section >= 0 && section < ColumnCount ? uiText(kHeaders[section], m_language)
                                                 : QVariant();
}

} // namespace morva::confui
