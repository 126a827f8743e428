// In-memory configuration store with the registry's rules: keys and value names are
// case-insensitive, creating a key creates its parents, over-long values do not fit.
// Keeps a log of every write so callers can check values and their order.
#pragma once
#include "core/ConfigStore.h"

#include <map>
#include <set>
#include <string>
#include <vector>

class MemoryConfigStore final : public ConfigStore {
public:
    struct Write {
        std::string path, name, text;
    };

    std::unique_ptr<ConfigKey> OpenForQuery(Hive hive, const char* path) override;
    std::unique_ptr<ConfigKey> CreateForWrite(Hive hive, const char* path) override;
    void ReadFallback(const char* name, const char* def, char* buf, size_t size) override;

    // Direct access for set-up and checks, bypassing the write log.
    void Put(const std::string& path, const std::string& name, const std::string& text);
    bool Has(const std::string& path, const std::string& name) const;
    std::string Get(const std::string& path, const std::string& name) const;
    void PutFallback(const std::string& name, const std::string& text);

    std::vector<Write> writes;  // every successful Set, in order
    bool createFails = false;   // CreateForWrite returns nullptr
    long setError = 0;          // non-zero: Set fails with this code and stores nothing

private:
    class Key;
    static std::string Fold(const std::string& s);
    void AddKey(const std::string& path);

    std::set<std::string> keys_;                                   // folded paths
    std::map<std::pair<std::string, std::string>, std::string> values_;  // folded path, name
    std::map<std::string, std::string> fallback_;                  // folded name
};
