// Removing an appointment with chosen later members of its series: the member lines, the
// two lists (members that stay, members removed as well) and the deletion.
#pragma once
#include "store/ClsListe.h"

#include <string>
#include <vector>

// "%2d%c%02d%c%4d", with a time of day "  %2d:%02d", with an end " - %2d:%02d"; no leading blank.
std::string MitgliedZeile(const Termin& t);

class SerienAuswahl {
public:
    // The later records (in collection order) with the Id of the record in `slot`; none for
    // Id 0. A yearly series starts with every member removed, any other with every one kept.
    SerienAuswahl(ClsListe& liste, int slot);

    bool Jaehrlich() const { return jaehrlich_; }
    // Lines of the list of removed (weg) or kept members, in date order.
    std::vector<std::string> Zeilen(bool weg) const;
    // Moves line `zeile` of one list to the other. False (nothing changes) for a yearly series
    // taking a member out of the removed list, or a line that does not exist.
    bool Wechsle(bool ausWeg, int zeile);
    void Alle(bool weg);  // false refused for a yearly series
    // Deletes the record and each removed member. The cursor ends after the last deletion.
    void Entferne();

private:
    ClsListe& liste_;
    int slot_;
    bool jaehrlich_ = false;
    std::vector<std::string> mitglieder_;  // collection order
    std::vector<bool> weg_;
};
