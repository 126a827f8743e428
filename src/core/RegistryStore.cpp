// Registry keys as RAII objects; ANSI functions throughout, so values are Windows-1252.
#include "core/RegistryStore.h"

#include <windows.h>

#include <new>

namespace {
// Hive has a single member: everything lives under the current user.
HKEY RootKey(Hive) { return HKEY_CURRENT_USER; }

class RegistryKey final : public ConfigKey {
public:
    explicit RegistryKey(HKEY key) : key_(key) {}
    ~RegistryKey() override { RegCloseKey(key_); }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    QueryResult Query(const char* name, char* buf, size_t size) override {
        DWORD type = 0;
        DWORD len = static_cast<DWORD>(size);
        const LONG rc =
            RegQueryValueExA(key_, name, nullptr, &type, reinterpret_cast<BYTE*>(buf), &len);
        if (rc == ERROR_MORE_DATA) return QueryResult::TooLong;
        // Only string values count; anything else reads as missing.
        if (rc != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
            return QueryResult::Missing;
        // A value stored without its terminating zero still has to leave room for one.
        if (len == 0 || buf[len - 1] != '\0') {
            if (len >= size) return QueryResult::TooLong;
            buf[len] = '\0';
        }
        return QueryResult::Ok;
    }

    long Set(const char* name, const char* text) override {
        return RegSetValueExA(key_, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                              static_cast<DWORD>(lstrlenA(text) + 1));
    }

private:
    HKEY key_;
};

// Takes ownership of an open key; a failed allocation closes it and reports failure.
std::unique_ptr<ConfigKey> Adopt(HKEY key) {
    std::unique_ptr<ConfigKey> owner(new (std::nothrow) RegistryKey(key));
    if (!owner) RegCloseKey(key);
    return owner;
}
}  // namespace

std::unique_ptr<ConfigKey> RegistryStore::OpenForQuery(Hive hive, const char* path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(RootKey(hive), path, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return nullptr;
    return Adopt(key);
}

std::unique_ptr<ConfigKey> RegistryStore::CreateForWrite(Hive hive, const char* path) {
    HKEY key = nullptr;
    DWORD disposition = 0;
    char keyClass[] = "REG_SZ";
    if (RegCreateKeyExA(RootKey(hive), path, 0, keyClass, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key, &disposition) != ERROR_SUCCESS)
        return nullptr;
    return Adopt(key);
}

void RegistryStore::ReadFallback(const char* name, const char* def, char* buf, size_t size) {
    if (size == 0) return;
    GetPrivateProfileStringA("Ordivo", name, def, buf, static_cast<DWORD>(size), "ORDIVO.INI");
}
