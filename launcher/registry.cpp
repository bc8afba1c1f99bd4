#include "launcher/registry.h"

#include <windows.h>

namespace launcher {

namespace {

constexpr REGSAM kAccess = KEY_READ | KEY_WRITE;
constexpr const char* kValueName = "RefreshRate";

// An open key, closed when it goes out of scope.
class Key {
public:
    Key() = default;
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    ~Key()
    {
        if (m_key != nullptr)
            RegCloseKey(m_key);
    }

    bool Open(HKEY parent, const char* name) { return RegOpenKeyExA(parent, name, 0, kAccess, &m_key) == ERROR_SUCCESS; }
    bool Create(HKEY parent, const char* name)
    {
        return RegCreateKeyExA(parent, name, 0, nullptr, REG_OPTION_NON_VOLATILE, kAccess, nullptr, &m_key, nullptr) ==
               ERROR_SUCCESS;
    }
    HKEY Handle() const { return m_key; }

private:
    HKEY m_key = nullptr;
};

// The stored type is not checked; a value longer than four bytes fails and reads as 0.
int32_t ReadRate(HKEY key)
{
    BYTE bytes[4] = {};
    DWORD size = sizeof bytes;
    if (RegQueryValueExA(key, kValueName, nullptr, nullptr, bytes, &size) != ERROR_SUCCESS)
        return 0;
    return RateFromStored(bytes, size);
}

void WriteRate(HKEY key, int32_t rate)
{
    const auto bytes = StoredBytes(rate);
    RegSetValueExA(key, kValueName, 0, REG_DWORD, bytes.data(), static_cast<DWORD>(bytes.size()));
}

}  // namespace

void Transfer(RefreshRateSetting& setting, TransferDirection direction, const char* maker, const char* product)
{
    if (direction == TransferDirection::Read)
        setting.rate = 0;
    // Declared in this order, the keys close product first, then maker, then Software.
    Key software, makerKey, productKey;
    if (!software.Open(HKEY_LOCAL_MACHINE, "Software") || !makerKey.Create(software.Handle(), maker) ||
        !productKey.Create(makerKey.Handle(), product))
        return;
    if (direction == TransferDirection::Read)
        setting.rate = ReadRate(productKey.Handle());
    else
        WriteRate(productKey.Handle(), setting.rate);
}

}  // namespace launcher
