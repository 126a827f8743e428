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
    return GetHost().MessageText(AnzahlText(frage, anzahl), titel, Mb::YesNo | Mb::IconQuestion) == Mb::IdYes;
}

void MeldeImport(const std::string& bericht) {
    GetHost().MessageText(bericht, LoadResString(IDS_TITEL_IMPORT), Mb::IconInformation);
}

std::string AnzahlText(int id, int anzahl, int zusatz) {
    const std::string formen = LoadResString(id);
    const size_t trenner = formen.find('|');
    const std::string form = trenner == std::string::npos ? formen
                             : anzahl == 1                ? formen.substr(0, trenner)
                                                          : formen.substr(trenner + 1);
    return Format(form.c_str(), anzahl, zusatz);
}
