#include "confui/ListBinding.h"

#include "config/ConfigStore.h"
#include "config/ValueFlag.h"
#include "confui/EntryChecks.h"

#include <algorithm>

namespace morva::confui {

ListBinding::ListBinding(std::string key, std::string entryDialog, ListKind kind)
    : m_key(std::move(key)), m_entryDialog(std::move(entryDialog)), m_kind(kind)
{
}

void ListBinding::load(const config::ConfigStore& store)
{
    m_values = store.getList(m_key);
    if (m_kind == ListKind::Ip)
        for (std::string& value : m_values)
            if (auto normal = normalizeIpEntry(value))
                value = *normal;
    m_comments = store.getItemComments(m_key);
    m_comments.resize(m_values.size());
    if (const auto entry = store.find(m_key)) {
        m_flags = entry->flags;
        m_utf8 = entry->kind == config::ValueKind::TextList;
        m_entryKind = config::listEntryKindOfKey(m_key, entry->kind, entry->flags);
    }
}

void ListBinding::save(config::ConfigStore& store) const
{
    store.setList(m_key, m_values);
    store.setItemComments(m_key,
                          keepsComments() ? m_comments : std::vector<std::string>(m_values.size()));
}

std::vector<config::ListFinding> ListBinding::findings() const
{
    if (!m_entryKind)
        return {};
    if (*m_entryKind != config::ListEntryKind::Network)
        return config::checkPatternList(m_values, *m_entryKind);
    std::vector<config::IpNetwork> networks;
    networks.reserve(m_values.size());
    for (const std::string& value : m_values)
        networks.push_back(config::IpNetwork::parse(value));
    return config::checkNetworkList(networks);
}

bool ListBinding::keepsComments() const
{
    return (m_flags & config::ValueFlag::NoComment) == 0;
}

void ListBinding::append(std::string value, std::string comment)
{
    m_values.push_back(std::move(value));
    m_comments.push_back(keepsComments() ? std::move(comment) : std::string());
}

bool ListBinding::replace(std::size_t position, std::string value, std::string comment)
{
    if (position < 1 || position > m_values.size())
        return false;
    m_values[position - 1] = std::move(value);
    m_comments[position - 1] = keepsComments() ? std::move(comment) : std::string();
    return true;
}

void ListBinding::remove(const std::set<std::size_t>& positions)
{
    std::vector<std::string> values, comments;
    for (std::size_t i = 0; i < m_values.size(); ++i) {
        if (positions.count(i + 1))
            continue;
        values.push_back(std::move(m_values[i]));
        comments.push_back(std::move(m_comments[i]));
    }
    m_values = std::move(values);
    m_comments = std::move(comments);
}

std::size_t ListBinding::appendMissing(const std::vector<std::string>& items)
{
    std::size_t added = 0;
    for (const std::string& item : items) {
        // Compare in the form the store keeps, so no item comes twice.
        std::string kept = item;
        kept = config::normalizedValue(kept, m_flags);
        if (std::find(m_values.begin(), m_values.end(), item) != m_values.end() ||
            std::find(m_values.begin(), m_values.end(), kept) != m_values.end())
            continue;
        append(item, {});
        ++added;
    }
    return added;
}

void ListBinding::assign(std::vector<std::string> values, std::vector<std::string> comments)
{
    m_values = std::move(values);
    m_comments = std::move(comments);
    m_comments.resize(m_values.size());
}

} // namespace morva::confui
