#include "platform/WindowsRegistry.h"

#include "platform/WindowsText.h"

#include <vector>

namespace morva::platform {

namespace {

class KeyHandle
{
public:
    KeyHandle() = default;
    ~KeyHandle()
    {
        if (m_key)
            RegCloseKey(m_key);
    }
    KeyHandle(const KeyHandle&) = delete;
    KeyHandle& operator=(const KeyHandle&) = delete;
    HKEY* out() { return &m_key; }
    HKEY get() const { return m_key; }

private:
    HKEY m_key = nullptr;
};

} // namespace

std::optional<DWORD> readRegistryDword(HKEY root, const std::string& key, const std::string& value,
                                       REGSAM view)
{
    KeyHandle handle;
    if (RegOpenKeyExW(root, widen(key).c_str(), 0, KEY_QUERY_VALUE | view, handle.out()) !=
        ERROR_SUCCESS)
        return std::nullopt;
    DWORD type = 0;
    DWORD data = 0;
    DWORD size = sizeof(data);
    if (RegQueryValueExW(handle.get(), widen(value).c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(&data), &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof(data))
        return std::nullopt;
    return data;
}

bool writeRegistryDword(HKEY root, const std::string& key, const std::string& value, DWORD data)
{
    KeyHandle handle;
    if (RegCreateKeyExW(root, widen(key).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_SET_VALUE, nullptr, handle.out(), nullptr) != ERROR_SUCCESS)
        return false;
    return RegSetValueExW(handle.get(), widen(value).c_str(), 0, REG_DWORD,
                          reinterpret_cast<const BYTE*>(&data), sizeof(data)) == ERROR_SUCCESS;
}

std::optional<std::string> readRegistryString(HKEY root, const std::string& key,
                                              const std::string& value)
{
    KeyHandle handle;
    if (RegOpenKeyExW(root, widen(key).c_str(), 0, KEY_QUERY_VALUE, handle.out()) != ERROR_SUCCESS)
        return std::nullopt;
    const std::wstring name = widen(value);
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(handle.get(), name.c_str(), nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ) || size > 64 * 1024)
        return std::nullopt;
    // The stored text need not end with a NUL: keep room for one.
    std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1, L'\0');
    DWORD got = size;
    if (RegQueryValueExW(handle.get(), name.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(buffer.data()), &got) != ERROR_SUCCESS)
        return std::nullopt;
    std::wstring text(buffer.data(), std::min<std::size_t>(got / sizeof(wchar_t), buffer.size()));
    while (!text.empty() && text.back() == L'\0')
        text.pop_back();
    std::string out;
    if (!narrow(text, &out))
        return std::nullopt;
    return out;
}

} // namespace morva::platform
