// The open file as one object: the appointment collection with its password, the address
// book, the file's path and whether anything is unsaved. Owned by the application and
// passed by reference to the loader, the writer, the file commands, painters and dialogs.
#pragma once
#include "addresses/ClsAdrListe.h"
#include "store/ClsListe.h"

#include <string>

// What a load did, for the shell to react to.
enum class Ladeausgang {
    Ok,           // the file is open (or there was none to open)
    Gescheitert,  // refused after a message (password, memory): empty lists
    NeueDatei,    // refused as unreadable: the shell starts a new file (command 101)
};

class Dokument {
public:
    ClsListe Liste;
    ClsAdrListe AdrListe;
    std::string Dateiname;  // full path of the open file; empty = none

    bool Geaendert() const { return Liste.Geaendert || AdrListe.Geaendert; }
    bool Leer() const { return Liste.Anzahl() == 0 && AdrListe.Anzahl() == 0; }

    // Reads the file named by Dateiname (appointments, then the address section) into
    // emptied lists, starting from an empty password; asks before converting older formats
    // and for the password. Anything but Ok leaves both lists empty and freshly initialised;
    // a damaged address section is reported and only empties the address list.
    Ladeausgang Laden();
    // Start-up: fresh lists, then the named file if there is one. On failure the name is
    // cleared.
    Ladeausgang Initialisieren();
    // Command New: no name, empty lists.
    void Neu();
};
