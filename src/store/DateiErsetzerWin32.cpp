// The product's replacing rename: MoveFileExA, which, unlike the C runtime's rename, takes
// the place of an existing file in one step.
#include "store/DateiSchreiber.h"

#include <windows.h>

namespace {
bool Verschieben(const char* von, const char* nach) {
    return MoveFileExA(von, nach, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
}  // namespace

void InstalliereDateiErsetzer() { SetzeDateiErsetzer(Verschieben); }
