#include "RunValue.h"

#include "platform/Platform.h"

namespace halvo {

namespace {

// The Run key, open for as long as the object lives.
class RunKey {
public:
    RunKey() {
        std::uint32_t disposition = 0;
        if (platform().RegCreateKeyExA(win::HKEY_CURRENT_USER, RunKeyPath, 0, nullptr,
                                       win::REG_OPTION_NON_VOLATILE, win::KEY_ALL_ACCESS, &m_key,
                                       &disposition) != win::ERROR_SUCCESS)
            m_key = 0;
    }
    ~RunKey() {
        if (m_key)
            platform().RegCloseKey(m_key);
    }
    RunKey(const RunKey&) = delete;
    RunKey& operator=(const RunKey&) = delete;

    explicit operator bool() const { return m_key != 0; }
    Handle handle() const { return m_key; }

private:
    Handle m_key = 0;
};

std::string writeValue(const RunKey& key) {
    const std::string text = "\"" + platform().ExecutablePath() + "\"";
    if (platform().RegSetValueExA(key.handle(), RunValueName, 0, win::REG_SZ,
                                  reinterpret_cast<const unsigned char*>(text.c_str()),
                                  std::uint32_t(text.size() + 1)) != win::ERROR_SUCCESS)
        return std::string("Failed to set data for '") + RunValueName + "'";
    return {};
}

} // namespace

std::string EnsureRunValue() {
    RunKey key;
    if (!key)
        return {};
    // The size first, then the data; a missing value reads as empty.
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    std::string text;
    if (platform().RegQueryValueExA(key.handle(), RunValueName, &type, nullptr, &size) ==
            win::ERROR_SUCCESS &&
        size > 0) {
        std::string data(size, '\0');
        if (platform().RegQueryValueExA(key.handle(), RunValueName, &type,
                                        reinterpret_cast<unsigned char*>(data.data()),
                                        &size) != win::ERROR_SUCCESS)
            return {};
        if (type != win::REG_SZ && type != win::REG_EXPAND_SZ)
            return std::string("Invalid data type for '") + RunValueName + "'";
        text = data.c_str();
    }
    if (text.empty())
        return writeValue(key);
    return {};
}

std::string WriteRunValue() {
    RunKey key;
    if (!key)
        return {};
    return writeValue(key);
}

void DeleteRunValue() {
    RunKey key;
    if (key)
        platform().RegDeleteValueA(key.handle(), RunValueName);
}

} // namespace halvo
