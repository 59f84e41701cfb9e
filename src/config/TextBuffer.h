#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace morva::config {

// A growable byte buffer filled through a raw pointer, for producing file
// text without a capacity check per byte: a writer asks once for room for a
// whole line, copies the line's pieces in and commits the end it reached.
class TextBuffer
{
public:
    explicit TextBuffer(std::size_t capacity = 4096)
        : m_data(new char[capacity ? capacity : 1]), m_capacity(capacity ? capacity : 1)
    {
    }

    // At least `bytes` writable bytes after the current end; the pointer
    // stays valid until the next call of room().
    char* room(std::size_t bytes)
    {
        if (m_capacity - m_size < bytes)
            grow(bytes);
        return m_data.get() + m_size;
    }
    // Makes the bytes up to `end`, inside the last room given, part of the text.
    void commit(const char* end) { m_size = static_cast<std::size_t>(end - m_data.get()); }

    void append(std::string_view text) { commit(put(room(text.size()), text)); }
    // Inserts `text` at byte `at` of the text, moving what follows.
    void insert(std::size_t at, std::string_view text)
    {
        room(text.size());
        char* where = m_data.get() + at;
        std::char_traits<char>::move(where + text.size(), where, m_size - at);
        std::char_traits<char>::copy(where, text.data(), text.size());
        m_size += text.size();
    }
    void clear() { m_size = 0; }

    std::size_t size() const { return m_size; }
    char* data() { return m_data.get(); }
    std::string_view view() const { return {m_data.get(), m_size}; }

    // Copies `text` to `p` and returns its end (any `text`, empty included).
    static char* put(char* p, std::string_view text)
    {
        std::char_traits<char>::copy(p, text.data(), text.size());
        return p + text.size();
    }

private:
    void grow(std::size_t bytes)
    {
        std::size_t capacity = m_capacity * 2;
        if (capacity - m_size < bytes)
            capacity = m_size + bytes;
        std::unique_ptr<char[]> bigger(new char[capacity]);
        std::char_traits<char>::copy(bigger.get(), m_data.get(), m_size);
        m_data = std::move(bigger);
        m_capacity = capacity;
    }

    std::unique_ptr<char[]> m_data;
    std::size_t m_size = 0;
    std::size_t m_capacity;
};

} // namespace morva::config
