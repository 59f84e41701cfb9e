#include "config/ConfigStore.h"

#include "config/ConfigLine.h"
#include "config/IntegerText.h"
#include "config/TextListCodec.h"
#include "config/UnreadLines.h"
#include "platform/AtomicReplace.h"
#include "platform/Clock.h"

#include <cassert>
#include <utility>

namespace morva::config {

using platform::FileError;

namespace {

bool isAbsolute(std::string_view name)
{
    if (!name.empty() && (name[0] == '/' || name[0] == '\\'))
        return true;
    return name.size() >= 2 && name[1] == ':' &&
           ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= 'a' && name[0] <= 'z'));
}

template <typename T> T* valueAs(ConfigEntry* entry)
{
    return entry ? std::get_if<T>(&entry->value) : nullptr;
}

template <typename T> const T* valueAs(const ConfigEntry* entry)
{
    return entry ? std::get_if<T>(&entry->value) : nullptr;
}

} // namespace

ConfigStore::ConfigStore(platform::FileSystem& fileSystem, platform::Clock& clock,
                         std::string programDir, std::string_view fileName)
    : m_fileSystem(fileSystem), m_clock(clock), m_programDir(std::move(programDir))
{
    m_fileName = resolvePath(fileName);
}

ConfigStore::~ConfigStore() = default;

std::string ConfigStore::resolvePath(std::string_view name) const
{
    if (isAbsolute(name))
        return std::string(name);
    std::string joined = m_programDir + std::string(name);
    if (m_fileSystem.stat(joined).exists)
        return joined;
    // The name as given (relative to the current directory) only when a file
    // stands there; otherwise the program directory, so that a file that
    // does not exist yet is created where the gateway looks for it.
    std::string given(name);
    if (m_fileSystem.stat(given).exists)
        return given;
    return joined;
}

// --- registration -------------------------------------------------------

std::size_t ConfigStore::add(ConfigEntry entry)
{
    std::lock_guard lock(m_mutex);
    const auto found = m_index.find(std::string_view(entry.name));
    assert(found == m_index.end() && "configuration key registered twice");
    if (found != m_index.end())
        return found->second;
    const std::size_t index = m_entries.size();
    m_index.emplace(entry.name, index);
    m_entries.push_back(std::move(entry));
    return index;
}

namespace {

ConfigEntry makeEntry(std::string_view key, ValueKind kind, ValueFlags flags)
{
    ConfigEntry entry;
    entry.name = std::string(trimBlanks(key));
    entry.kind = kind;
    entry.flags = flags;
    entry.value = emptyValueOf(kind);
    entry.defaultValue = emptyValueOf(kind);
    return entry;
}

} // namespace

void ConfigStore::registerString(std::string_view key, std::string_view defaultText,
                                 ValueFlags flags)
{
    ConfigEntry entry = makeEntry(key, ValueKind::String, flags);
    entry.defaultValue = std::string(defaultText);
    entry.value = normalizedValue(defaultText, flags);
    add(std::move(entry));
}

void ConfigStore::registerInt(std::string_view key, std::int32_t defaultValue)
{
    ConfigEntry entry = makeEntry(key, ValueKind::Int, 0);
    entry.defaultValue = defaultValue;
    entry.value = defaultValue;
    add(std::move(entry));
}

void ConfigStore::registerBool(std::string_view key, bool defaultValue)
{
    ConfigEntry entry = makeEntry(key, ValueKind::Bool, 0);
    entry.defaultValue = defaultValue;
    entry.value = defaultValue;
    add(std::move(entry));
}

void ConfigStore::registerStringList(std::string_view key, ValueFlags flags)
{
    add(makeEntry(key, ValueKind::StringList, flags));
}

void ConfigStore::registerTextList(std::string_view key, ValueFlags flags)
{
    add(makeEntry(key, ValueKind::TextList, flags));
}

void ConfigStore::registerNetList(std::string_view key, ValueFlags flags)
{
    add(makeEntry(key, ValueKind::NetList, flags));
}

// --- lookup (caller holds the lock) --------------------------------------

const ConfigEntry* ConfigStore::lookupAny(std::string_view key) const
{
    const auto found = m_index.find(key);
    if (found == m_index.end())
        return nullptr;
    settle(found->second);
    return &m_entries[found->second];
}

const ConfigEntry* ConfigStore::lookup(std::string_view key, ValueKind kind) const
{
    const ConfigEntry* entry = lookupAny(key);
    assert(entry && "configuration key not registered");
    assert((!entry || entry->kind == kind) && "configuration key used with the wrong kind");
    return entry && entry->kind == kind ? entry : nullptr;
}

ConfigEntry* ConfigStore::lookup(std::string_view key, ValueKind kind)
{
    return const_cast<ConfigEntry*>(std::as_const(*this).lookup(key, kind));
}

const ConfigEntry* ConfigStore::lookupList(std::string_view key) const
{
    const ConfigEntry* entry = lookupAny(key);
    assert(entry && "configuration key not registered");
    assert((!entry || isListKind(entry->kind)) && "list access to a single-valued key");
    return entry && isListKind(entry->kind) ? entry : nullptr;
}

ConfigEntry* ConfigStore::lookupList(std::string_view key)
{
    return const_cast<ConfigEntry*>(std::as_const(*this).lookupList(key));
}

// --- getters and setters -------------------------------------------------

std::string ConfigStore::getString(std::string_view key) const
{
    std::lock_guard lock(m_mutex);
    const auto* value = valueAs<std::string>(lookup(key, ValueKind::String));
    return value ? *value : std::string();
}

std::int32_t ConfigStore::getInt(std::string_view key) const
{
    std::lock_guard lock(m_mutex);
    const auto* value = valueAs<std::int32_t>(lookup(key, ValueKind::Int));
    return value ? *value : 0;
}

bool ConfigStore::getBool(std::string_view key) const
{
    std::lock_guard lock(m_mutex);
    const auto* value = valueAs<bool>(lookup(key, ValueKind::Bool));
    return value ? *value : false;
}

void ConfigStore::setString(std::string_view key, std::string_view text)
{
    std::lock_guard lock(m_mutex);
    if (ConfigEntry* entry = lookup(key, ValueKind::String))
        entry->value = normalizedValue(text, entry->flags);
}

void ConfigStore::setInt(std::string_view key, std::int32_t value)
{
    std::lock_guard lock(m_mutex);
    if (ConfigEntry* entry = lookup(key, ValueKind::Int))
        entry->value = value;
}

void ConfigStore::setBool(std::string_view key, bool value)
{
    std::lock_guard lock(m_mutex);
    if (ConfigEntry* entry = lookup(key, ValueKind::Bool))
        entry->value = value;
}

std::vector<std::string> ConfigStore::getList(std::string_view key) const
{
    std::lock_guard lock(m_mutex);
    const ConfigEntry* entry = lookupList(key);
    return entry ? listItemTexts(entry->value) : std::vector<std::string>();
}

StringList ConfigStore::getStringList(std::string_view key) const
{
    std::lock_guard lock(m_mutex);
    const auto* value = valueAs<StringList>(lookup(key, ValueKind::StringList));
    return value ? *value : StringList();
}

TextList ConfigStore::getTextList(std::string_view key) const
{
    std::lock_guard lock(m_mutex);
    const auto* value = valueAs<TextList>(lookup(key, ValueKind::TextList));
    return value ? *value : TextList();
}

NetList ConfigStore::getNetList(std::string_view key) const
{
    std::lock_guard lock(m_mutex);
    const auto* value = valueAs<NetList>(lookup(key, ValueKind::NetList));
    return value ? *value : NetList();
}

void ConfigStore::setList(std::string_view key, const std::vector<std::string>& items)
{
    std::lock_guard lock(m_mutex);
    ConfigEntry* entry = lookupList(key);
    if (!entry)
        return;
    // Each list keeps its own kind: a TextList given 8-bit texts takes them
    // as UTF-8 rather than turning into a StringList.
    if (entry->kind == ValueKind::NetList) {
        NetList nets;
        nets.reserve(items.size());
        for (const auto& item : items)
            nets.push_back(IpNetwork::parse(item));
        entry->value = std::move(nets);
    } else if (entry->kind == ValueKind::TextList) {
        TextList texts;
        texts.reserve(items.size());
        for (const auto& item : items)
            texts.push_back(
                normalizedValue(std::u16string_view(decodeTextItem(item)), entry->flags));
        entry->value = std::move(texts);
    } else {
        StringList texts;
        texts.reserve(items.size());
        for (const auto& item : items)
            texts.push_back(normalizedValue(item, entry->flags));
        entry->value = std::move(texts);
    }
}

void ConfigStore::setTextList(std::string_view key, const TextList& items)
{
    std::lock_guard lock(m_mutex);
    ConfigEntry* entry = lookup(key, ValueKind::TextList);
    if (!entry)
        return;
    TextList texts;
    texts.reserve(items.size());
    for (const auto& item : items)
        texts.push_back(normalizedValue(std::u16string_view(item), entry->flags));
    entry->value = std::move(texts);
}

void ConfigStore::setNetList(std::string_view key, const NetList& items)
{
    std::lock_guard lock(m_mutex);
    if (ConfigEntry* entry = lookup(key, ValueKind::NetList))
        entry->value = items;
}

std::vector<std::string> ConfigStore::getItemComments(std::string_view key) const
{
    std::lock_guard lock(m_mutex);
    const ConfigEntry* entry = lookupAny(key);
    assert(entry && "configuration key not registered");
    return entry ? entry->itemComments : std::vector<std::string>();
}

void ConfigStore::setItemComments(std::string_view key, const std::vector<std::string>& comments)
{
    std::lock_guard lock(m_mutex);
    auto* entry = const_cast<ConfigEntry*>(lookupAny(key));
    assert(entry && "configuration key not registered");
    if (entry)
        entry->itemComments = comments;
}

std::vector<std::string> ConfigStore::getLeadingLines(std::string_view key) const
{
    std::lock_guard lock(m_mutex);
    const ConfigEntry* entry = lookupAny(key);
    assert(entry && "configuration key not registered");
    return entry ? entry->leadingLines : std::vector<std::string>();
}

// --- schema access -------------------------------------------------------

bool ConfigStore::contains(std::string_view key) const
{
    std::lock_guard lock(m_mutex);
    return lookupAny(key) != nullptr;
}

std::size_t ConfigStore::entryCount() const
{
    std::lock_guard lock(m_mutex);
    return m_entries.size();
}

ConfigEntry ConfigStore::entryAt(std::size_t index) const
{
    std::lock_guard lock(m_mutex);
    assert(index < m_entries.size());
    settle(index);
    return index < m_entries.size() ? m_entries[index] : ConfigEntry();
}

std::optional<ConfigEntry> ConfigStore::find(std::string_view key) const
{
    std::lock_guard lock(m_mutex);
    const ConfigEntry* entry = lookupAny(key);
    if (!entry)
        return std::nullopt;
    return *entry;
}

void ConfigStore::forEachEntry(const std::function<void(const ConfigEntry&)>& visit) const
{
    std::lock_guard lock(m_mutex);
    settleAll();
    for (const auto& entry : m_entries)
        visit(entry);
}

bool ConfigStore::isDefault(std::string_view key) const
{
    std::lock_guard lock(m_mutex);
    const ConfigEntry* entry = lookupAny(key);
    assert(entry && "configuration key not registered");
    return entry ? entry->isDefault() : true;
}

bool ConfigStore::loadedOk() const
{
    std::lock_guard lock(m_mutex);
    return m_loadedOk;
}

bool ConfigStore::includesOk() const
{
    std::lock_guard lock(m_mutex);
    return m_includesOk;
}

std::vector<std::string> ConfigStore::includedFiles() const
{
    std::lock_guard lock(m_mutex);
    return m_includedFiles;
}

std::vector<std::string> ConfigStore::missingIncludes() const
{
    std::lock_guard lock(m_mutex);
    return m_missingIncludes;
}

std::vector<FileStamp> ConfigStore::fileStamps() const
{
    std::lock_guard lock(m_mutex);
    return m_stamps;
}

std::vector<std::string> ConfigStore::trailingLines() const
{
    std::lock_guard lock(m_mutex);
    return m_trailingLines;
}

TextEncoding ConfigStore::textEncoding() const
{
    std::lock_guard lock(m_mutex);
    return m_encoding;
}

LoadStatus ConfigStore::lastLoadStatus() const
{
    std::lock_guard lock(m_mutex);
    return m_loadStatus;
}

FileError ConfigStore::lastLoadError() const
{
    std::lock_guard lock(m_mutex);
    return m_loadError;
}

SaveStatus ConfigStore::lastSaveStatus() const
{
    std::lock_guard lock(m_mutex);
    return m_saveStatus;
}

FileError ConfigStore::lastSaveError() const
{
    std::lock_guard lock(m_mutex);
    return m_saveError;
}

} // namespace morva::config
