#include "records/ConfigListEditors.h"

#include "config/ConfigStore.h"

#include <algorithm>

namespace morva::records {

namespace {

std::string commentAt(const std::vector<std::string>& comments, std::size_t index)
{
    return index < comments.size() ? comments[index] : std::string();
}

} // namespace

bool fitsListItem(std::string_view text)
{
    return text.find(';') == std::string_view::npos;
}

void RouteListEditor::load(const config::ConfigStore& store)
{
    const std::vector<std::string> items = store.getList(m_key);
    const std::vector<std::string> comments = store.getItemComments(m_key);
    m_entries.clear();
    m_comments.clear();
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (auto entry = parseRouteEntry(items[i])) {
            m_entries.push_back(std::move(*entry));
            m_comments.push_back(commentAt(comments, i));
        }
    }
}

void RouteListEditor::store(config::ConfigStore& store) const
{
    std::vector<std::string> items;
    std::vector<std::string> comments;
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        std::string text = formatRouteEntry(m_entries[i]);
        if (text.empty())
            continue;
        items.push_back(std::move(text));
        comments.push_back(m_comments[i]);
    }
    store.setList(m_key, items);
    store.setItemComments(m_key, comments);
}

void RouteListEditor::append(RouteEntry entry)
{
    m_entries.push_back(std::move(entry));
    m_comments.emplace_back();
}

void RouteListEditor::replace(std::size_t index, RouteEntry entry)
{
    if (index < m_entries.size())
        m_entries[index] = std::move(entry);
}

void RouteListEditor::remove(std::size_t index)
{
    if (index >= m_entries.size())
        return;
    m_entries.erase(m_entries.begin() + static_cast<long>(index));
    m_comments.erase(m_comments.begin() + static_cast<long>(index));
}

void PairedListEditor::load(const config::ConfigStore& store)
{
    m_source.items = store.getList(m_sourceKey);
    m_source.comments = store.getItemComments(m_sourceKey);
    m_target.items = store.getList(m_targetKey);
    m_target.comments = store.getItemComments(m_targetKey);
    // Comments by position: pad so that every item has one.
    m_source.comments.resize(std::max(m_source.comments.size(), m_source.items.size()));
    m_target.comments.resize(std::max(m_target.comments.size(), m_target.items.size()));
    m_pairs = std::min(m_source.items.size(), m_target.items.size());
}

void PairedListEditor::store(config::ConfigStore& store) const
{
    auto comments = [](const Side& side) {
        std::vector<std::string> kept(side.comments.begin(),
                                      side.comments.begin() + static_cast<long>(side.items.size()));
        return kept;
    };
    store.setList(m_sourceKey, m_source.items);
    store.setItemComments(m_sourceKey, comments(m_source));
    store.setList(m_targetKey, m_target.items);
    store.setItemComments(m_targetKey, comments(m_target));
}

std::pair<std::string, std::string> PairedListEditor::entry(std::size_t index) const
{
    if (index >= m_pairs)
        return {};
    return {m_source.items[index], m_target.items[index]};
}

void PairedListEditor::insertAt(Side& side, std::size_t index, std::string value)
{
    side.items.insert(side.items.begin() + static_cast<long>(index), std::move(value));
    side.comments.insert(side.comments.begin() + static_cast<long>(index), std::string());
}

void PairedListEditor::append(std::string source, std::string target)
{
    // New pairs go behind the existing pairs, in front of unpaired items.
    insertAt(m_source, m_pairs, std::move(source));
    insertAt(m_target, m_pairs, std::move(target));
    ++m_pairs;
}

void PairedListEditor::replace(std::size_t index, std::string source, std::string target)
{
    if (index >= m_pairs)
        return;
    m_source.items[index] = std::move(source);
    m_target.items[index] = std::move(target);
}

void PairedListEditor::remove(std::size_t index)
{
    if (index >= m_pairs)
        return;
    for (Side* side : {&m_source, &m_target}) {
        side->items.erase(side->items.begin() + static_cast<long>(index));
        side->comments.erase(side->comments.begin() + static_cast<long>(index));
    }
    --m_pairs;
}

} // namespace morva::records
