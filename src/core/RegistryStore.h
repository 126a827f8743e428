// The configuration store of the product: the Win32 registry (string values) with the
// read-only ORDIVO.INI in the Windows directory as fallback. Installed by the entry.
#pragma once
#include "core/ConfigStore.h"

class RegistryStore final : public ConfigStore {
public:
    std::unique_ptr<ConfigKey> OpenForQuery(Hive hive, const char* path) override;
    std::unique_ptr<ConfigKey> CreateForWrite(Hive hive, const char* path) override;
    void ReadFallback(const char* name, const char* def, char* buf, size_t size) override;
};
