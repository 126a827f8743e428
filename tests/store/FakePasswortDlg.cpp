// FragePasswort for native tests: compares the next scripted entry, as the dialog does.
#include "store/DateiTestHilfe.h"
#include "store/Passwort.h"

bool FragePasswort(const std::string& passwort) {
    ++PasswortEingaben::Fragen();
    auto& texte = PasswortEingaben::Texte();
    if (texte.empty()) return false;
    const std::string getippt = texte.front();
    texte.pop_front();
    return getippt == passwort;
}
