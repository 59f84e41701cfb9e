#pragma once

// The rows of the settings browser: every key of the schema that matches
// the search text and the filters, best match first, with its current
// value (a list: its item count and first items), default, kind and the
// sheet and page that edit it ("no page" when none does).

#include "confui/browser/PendingSettings.h"
#include "confui/browser/SettingsFilter.h"
#include "confui/browser/SettingsIndex.h"
#include "confui/browser/SettingsSearch.h"

#include <QAbstractTableModel>
#include <QString>
#include <string>
#include <vector>

namespace morva::config {
class ConfigStore;
}

namespace morva::confui {

class SettingsTableModel : public QAbstractTableModel
{
public:
    enum Column
    {
        KeyColumn,
        ValueColumn,
        DefaultColumn,
        KindColumn,
        PlaceColumn,
        ColumnCount
    };

    // Reads the values of `store`, which must outlive the model; texts in
    // `language`, which also ranks the search.
    SettingsTableModel(const config::ConfigStore& store, int language, QObject* parent = nullptr);

    void setSearchText(const QString& text);
    void setFilter(const SettingsFilter& filter);
    // Reads every value again (after a save or a reset).
    void refreshValues();
    // Shows the values of `pending` (which must outlive the model, or be
    // replaced) in place of the stored ones, marked; null: none.
    void setPending(const PendingSettings* pending);
    // Call after the pending changes changed.
    void pendingChanged();

    // The setting of a row.
    const SettingInfo& settingAt(int row) const;
    // The row that shows `key`; -1 when no row does.
    int rowOf(std::string_view key) const;
    const SettingsIndex& settingsIndex() const { return m_index; }
    // When the search text matched no key: the nearest keys ("did you
    // mean"); empty otherwise.
    const std::vector<std::string>& nearestKeys() const { return m_nearest; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    void rebuildRows();
    QString placeText(const SettingInfo& setting) const;

    const config::ConfigStore& m_store;
    const PendingSettings* m_pending = nullptr;
    int m_language;
    SettingsIndex m_index;
    SettingsSearch m_search;
    QString m_text;
    SettingsFilter m_filter;
    std::vector<std::string> m_values; // summaries, by setting
    std::vector<bool> m_isDefault;     // by setting
    std::vector<std::size_t> m_rows;   // settings shown, in order
    std::vector<std::string> m_nearest;
};

} // namespace morva::confui
