// The password question of native tests: compares the next scripted entry, as the dialog
// does; installed for the whole test program.
#include "store/DateiTestHilfe.h"
#include "store/Passwort.h"

namespace {
bool Skript(const std::string& passwort) {
    ++PasswortEingaben::Fragen();
    auto& texte = PasswortEingaben::Texte();
    if (texte.empty()) return false;
    const std::string getippt = texte.front();
    texte.pop_front();
    return getippt == passwort;
}

const bool installiert = (SetzePasswortFrage(Skript), true);
}  // namespace
