// ProgramDirectory from the module file name; the resource library handle.
#include "core/ProgramPath.h"

namespace {
HMODULE resourceModule = nullptr;  // Win32 seam: LoadString needs the module handle
}

std::string ProgramDirectory() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string dir = path;
    const size_t slash = dir.find_last_of('\\');
    if (slash != std::string::npos) dir.resize(slash);
    return dir;
}

HMODULE ResourceModule() { return resourceModule; }

void SetResourceModule(HMODULE module) { resourceModule = module; }
