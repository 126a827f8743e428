// Main of the in-process Wine tests: loads ORDIVO.DLL like the program does and installs
// the product's Host and registry store, then runs every test.
#include "app/Startup.h"
#include "app/Win32Host.h"
#include "core/ProgramPath.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    SetResourceModule(LoadLibraryA("ORDIVO.DLL"));
    if (!ResourceModule()) {
        fprintf(stderr, "ORDIVO.DLL not found beside the test program\n");
        return 1;
    }
    Win32Host host;
    SetHost(&host);
    InstallRegistryStore();
    const int result = RUN_ALL_TESTS();
    SetHost(nullptr);
    FreeLibrary(ResourceModule());
    return result;
}
