// The configuration store seam: keys and string values with registry semantics, plus the
// read-only INI fallback. The product installs the Win32 registry store; native tests use
// the in-memory store, which is also the default until one is installed.
#pragma once
#include <cstddef>
#include <memory>

enum class Hive { CurrentUser };

enum class QueryResult {
    Ok,       // buf holds the value, zero-terminated
    Missing,  // no such value (or not a string value)
    TooLong,  // the value with its terminating zero does not fit into buf
};

class ConfigKey {
public:
    virtual ~ConfigKey() = default;
    // Reads a string value into buf of `size` bytes (terminating zero included).
    // On anything but Ok the content of buf is unspecified.
    virtual QueryResult Query(const char* name, char* buf, size_t size) = 0;
    // Stores text as a string value; 0 on success, otherwise the store's error code.
    virtual long Set(const char* name, const char* text) = 0;
};

class ConfigStore {
public:
    virtual ~ConfigStore() = default;
    // Opens an existing key for reading; nullptr when the key does not exist.
    virtual std::unique_ptr<ConfigKey> OpenForQuery(Hive hive, const char* path) = 0;
    // Creates the key (and its parents) or opens it for writing; nullptr on failure.
    virtual std::unique_ptr<ConfigKey> CreateForWrite(Hive hive, const char* path) = 0;
    // Reads `name` from the fallback file (section "Ordivo"), or `def` when absent;
    // the result is truncated to size - 1 characters and always zero-terminated.
    virtual void ReadFallback(const char* name, const char* def, char* buf, size_t size) = 0;
};

ConfigStore& GetConfigStore();
void SetConfigStore(ConfigStore* store);  // not owned; nullptr restores the in-memory default
