// Import question and report through the Host.
#include "interop/ImportFrage.h"

#include "core/Host.h"
#include "core/ResString.h"
#include "core/ResourceIds.h"
#include "core/TextFormat.h"

bool FrageImport(int frage, int anzahl, const std::string& bericht) {
    const std::string titel = LoadResString(IDS_TITEL_IMPORT);
    if (anzahl == 0) {
        GetHost().MessageText(bericht, titel, Mb::IconExclamation);
        return false;
    }
    return GetHost().MessageText(Format(LoadResString(frage), anzahl), titel, Mb::YesNo | Mb::IconQuestion) ==
           Mb::IdYes;
}

void MeldeImport(const std::string& bericht) {
    GetHost().MessageText(bericht, LoadResString(IDS_TITEL_IMPORT), Mb::IconInformation);
}
