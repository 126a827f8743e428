// Process-wide configuration store pointer; an empty in-memory store until the entry
// installs the registry.
#include "app/ConfigStore.h"

#include "app/MemoryConfigStore.h"

namespace {
MemoryConfigStore defaultStore;
ConfigStore* currentStore = &defaultStore;
}  // namespace

ConfigStore& GetConfigStore() { return *currentStore; }
void SetConfigStore(ConfigStore* store) { currentStore = store ? store : &defaultStore; }
