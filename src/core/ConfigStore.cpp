// Process-wide configuration store pointer; an empty in-memory store until the entry
// installs the registry.
#include "core/ConfigStore.h"

#include "core/MemoryConfigStore.h"

namespace {
MemoryConfigStore defaultStore;
ConfigStore* currentStore = &defaultStore;
}  // namespace

ConfigStore& GetConfigStore() { return *currentStore; }
void SetConfigStore(ConfigStore* store) { currentStore = store ? store : &defaultStore; }
