#pragma once

#include "config/ConfigEntry.h"
#include "config/SaveHook.h"
#include "platform/AtomicReplace.h"
#include "platform/FileSystem.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace morva::platform {
class Clock;
}

namespace morva::config {

class TextBuffer;
struct UnreadLines;

// What a file read left behind for the save check.
struct FileStamp
{
    std::string path;
    std::int64_t lastWriteNs = 0;
    std::uint64_t size = 0;
    std::uint64_t fileId = 0; // 0: not known
};

enum class LoadStatus
{
    Ok,         // the main file was read
    Missing,    // no main file: every value is its default
    Unreadable, // the main file exists but could not be read (see lastLoadError)
};

enum class SaveStatus
{
    Ok,
    RefusedIncludes, // the configuration was read from more than one file
    RefusedChanged,  // a file read changed on disk since it was read
    RefusedUnread,   // the main file exists but was not (or could not be) read
    WriteFailed,     // the new file could not be written (see lastSaveError)
    // The new file is in place and save() returned true, but the system did
    // not confirm that the rename survives a crash (see lastSaveError).
    SavedNotDurable,
    RefusedEncoding, // the main file is not 8-bit text (see textEncoding)
};

// How the main file's bytes were stored, as far as the store can tell.
enum class TextEncoding
{
    EightBit, // 8-bit text, what the store reads and writes
    Utf16,    // starts with a UTF-16 byte-order mark, or most lines hold zero bytes as UTF-16 does
    Binary,   // most lines hold zero bytes, or many bytes are control codes
};

// The typed in-memory image of "Morva.ini": every key registered once with a
// kind, a default and flags; the file is read over the defaults and written
// back with every non-default value, in registration order, each behind the
// lines that stood above it.
//
// Keys are 8-bit texts matched exactly. A getter or setter on an unregistered
// key, or of the wrong kind, is a programming error: it asserts in debug
// builds; in release builds a getter returns the kind's empty value and a
// setter changes nothing. The table is guarded by a short internal lock held
// only while entries are read or changed, never during file access.
class ConfigStore
{
public:
    // `programDir` is the directory the file name and every Include are
    // resolved against (ends with a separator). Reads wait through `clock`.
    ConfigStore(platform::FileSystem& fileSystem, platform::Clock& clock, std::string programDir,
                std::string_view fileName = "Morva.ini");
    ~ConfigStore();
    ConfigStore(const ConfigStore&) = delete;
    ConfigStore& operator=(const ConfigStore&) = delete;

    // Registration (before the first load; each key once).
    void registerString(std::string_view key, std::string_view defaultText, ValueFlags flags = 0);
    void registerInt(std::string_view key, std::int32_t defaultValue);
    void registerBool(std::string_view key, bool defaultValue);
    void registerStringList(std::string_view key, ValueFlags flags = 0);
    void registerTextList(std::string_view key, ValueFlags flags = 0);
    void registerNetList(std::string_view key, ValueFlags flags = 0);

    // Reads the main file and its includes over the current values. True when
    // the main file was read; false when it is missing (loadedOk() stays
    // true) or could not be read (loadedOk() false).
    bool load();
    // Writes the main file atomically, under the file's lock (see
    // platform::ReplaceLock) from the check that it did not change on disk
    // until the new file is in place. False when refused (read from several
    // files, or changed on disk) or when writing failed; the file on disk is
    // then unchanged and the values in memory stay as set. True also when the
    // new file is in place but not confirmed durable (SavedNotDurable).
    bool save(const SaveOrigin& origin = {});
    // Replaces the main file with `bytes` (a kept version put back) through
    // the same checks, lock and hook as save(), then loads it. False when
    // refused or failed, as save(); the values in memory then stay as they
    // were.
    bool saveText(std::string_view bytes, const SaveOrigin& origin);
    // Told of every save before the new file replaces the old one, under the
    // file's lock (the history of saves). Not owned; null: none.
    void setSaveHook(SaveHook* hook) { m_saveHook = hook; }
    SaveHook* saveHook() const { return m_saveHook; }
    // Called after every successful save, outside the store's lock (the
    // console follows settings that it applies at once).
    void setSavedListener(std::function<void()> listener) { m_savedListener = std::move(listener); }

    // Single-valued getters and setters.
    std::string getString(std::string_view key) const;
    std::int32_t getInt(std::string_view key) const;
    bool getBool(std::string_view key) const;
    void setString(std::string_view key, std::string_view text);
    void setInt(std::string_view key, std::int32_t value);
    void setBool(std::string_view key, bool value);

    // Lists. getList gives the items of any list kind as 8-bit texts
    // (TextList as UTF-8, NetList in network text); the typed getters give
    // them as held.
    std::vector<std::string> getList(std::string_view key) const;
    StringList getStringList(std::string_view key) const;
    TextList getTextList(std::string_view key) const;
    NetList getNetList(std::string_view key) const;
    // Replaces the whole list: for a NetList each text is parsed as a
    // network, for a TextList decoded from UTF-8, for a StringList kept as
    // bytes; texts pass through the entry's flags.
    void setList(std::string_view key, const std::vector<std::string>& items);
    void setTextList(std::string_view key, const TextList& items);
    void setNetList(std::string_view key, const NetList& items);

    std::vector<std::string> getItemComments(std::string_view key) const;
    void setItemComments(std::string_view key, const std::vector<std::string>& comments);
    std::vector<std::string> getLeadingLines(std::string_view key) const;

    // Schema access: registration order, lookup, value state.
    bool contains(std::string_view key) const;
    std::size_t entryCount() const;
    // Copy of entry `index` in registration order.
    ConfigEntry entryAt(std::size_t index) const;
    // Copy of the entry of `key`; none when the key is not registered.
    std::optional<ConfigEntry> find(std::string_view key) const;
    // Calls `visit` for every entry in registration order (under the lock:
    // the callback must not call back into the store).
    void forEachEntry(const std::function<void(const ConfigEntry&)>& visit) const;
    bool isDefault(std::string_view key) const;

    bool loadedOk() const;
    bool includesOk() const;
    std::vector<std::string> includedFiles() const;
    std::vector<std::string> missingIncludes() const;
    std::vector<FileStamp> fileStamps() const;
    // Lines after the last known key of the main file: kept by no entry, so
    // a save does not write them.
    std::vector<std::string> trailingLines() const;
    // What the last load found the main file to hold; a save is refused
    // (RefusedEncoding) unless it is 8-bit text.
    TextEncoding textEncoding() const;
    // The resolved path of the main file.
    const std::string& fileName() const { return m_fileName; }
    // What the store reads with (a second store over the same file uses them).
    platform::FileSystem& fileSystem() const { return m_fileSystem; }
    platform::Clock& clock() const { return m_clock; }
    const std::string& programDir() const { return m_programDir; }
    // Resolves a name the way the file name and Include values are resolved.
    std::string resolvePath(std::string_view name) const;

    LoadStatus lastLoadStatus() const;
    platform::FileError lastLoadError() const;
    SaveStatus lastSaveStatus() const;
    platform::FileError lastSaveError() const;

    // The text of the file a save would write now (CR LF line ends).
    std::string serialize() const;

private:
    class Reader;

    struct KeyHash
    {
        using is_transparent = void;
        std::size_t operator()(std::string_view key) const noexcept
        {
            return std::hash<std::string_view>{}(key);
        }
    };

    std::size_t add(ConfigEntry entry);
    ConfigEntry* lookup(std::string_view key, ValueKind kind);
    const ConfigEntry* lookup(std::string_view key, ValueKind kind) const;
    ConfigEntry* lookupList(std::string_view key);
    const ConfigEntry* lookupList(std::string_view key) const;
    const ConfigEntry* lookupAny(std::string_view key) const;
    bool changedOnDisk(const std::vector<FileStamp>& stamps);
    // Builds the value of entry `index` (or of every entry) from the lines
    // the last load kept for it. The caller holds the lock.
    void settle(std::size_t index) const;
    void settleAll() const;
    // The one save path: checks, lock, hook, replace with the bytes of
    // `produce` (`newText` gives them whole for the hook).
    bool replaceMainFile(const SaveOrigin& origin, const platform::ContentSource& produce,
                         const std::function<std::string()>& newText);
    struct SaveCursor
    {
        std::size_t entry = 0;
        std::size_t item = 0;
        bool started = false; // leading lines of `entry` written
    };
    // Appends the file text from `cursor` on until `out` holds at least
    // `limit` bytes; true while text remains. The caller holds the lock.
    bool serializeChunk(SaveCursor& cursor, TextBuffer& out, std::size_t limit) const;
    bool serializeEntries(SaveCursor& cursor, TextBuffer& out, std::size_t limit) const;

    platform::FileSystem& m_fileSystem;
    platform::Clock& m_clock;
    std::string m_programDir;
    std::string m_fileName;

    mutable std::mutex m_mutex;
    std::vector<ConfigEntry> m_entries;
    // The lines of the last load not yet applied to their entries.
    mutable std::unique_ptr<UnreadLines> m_unread;
    std::unordered_map<std::string, std::size_t, KeyHash, std::equal_to<>> m_index;
    std::vector<std::string> m_includedFiles;
    std::vector<std::string> m_missingIncludes;
    std::vector<FileStamp> m_stamps;
    std::size_t m_sizeHint = 0; // bytes read by the last load or written by the last save
    std::vector<std::string> m_trailingLines;
    TextEncoding m_encoding = TextEncoding::EightBit;
    bool m_loadedOk = true;
    std::function<void()> m_savedListener;
    SaveHook* m_saveHook = nullptr;
    bool m_includesOk = true;
    LoadStatus m_loadStatus = LoadStatus::Missing;
    platform::FileError m_loadError = platform::FileError::None;
    SaveStatus m_saveStatus = SaveStatus::Ok;
    platform::FileError m_saveError = platform::FileError::None;
};

} // namespace morva::config
