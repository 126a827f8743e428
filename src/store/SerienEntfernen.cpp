// Removing an appointment with the chosen later members of its series.
#include "store/SerienEntfernen.h"

#include "core/WarteCursor.h"
#include "store/DatumText.h"

std::string MitgliedZeile(const Termin& t) {
    std::string zeile = t.Hat(FlagOhneZeit) ? DatumText(t.Start, DatumStil::KurzLeer)
                                            : DatumZeitText(t.Start, DatumStil::KurzLeer);
    if (!t.Hat(FlagOhneZeit) && !t.Hat(FlagOhneEnde)) zeile += EndeText(t.Ende.Stunde, t.Ende.Minute);
    return zeile[0] == ' ' ? zeile.substr(1) : zeile;
}

SerienAuswahl::SerienAuswahl(ClsListe& liste, int slot) : liste_(liste), slot_(slot) {
    if (slot < 0 || slot >= liste.Anzahl()) return;
    const Termin& t = liste.Satz(slot);
    jaehrlich_ = t.Hat(FlagJaehrlich);
    if (t.Id == 0) return;
    for (int i = slot + 1; i < liste.Anzahl(); ++i)
        if (liste.Satz(i).Id == t.Id) mitglieder_.push_back(MitgliedZeile(liste.Satz(i)));
    weg_.assign(mitglieder_.size(), jaehrlich_);
}

std::vector<std::string> SerienAuswahl::Zeilen(bool weg) const {
    std::vector<std::string> out;
    for (size_t i = 0; i < mitglieder_.size(); ++i)
        if (weg_[i] == weg) out.push_back(mitglieder_[i]);
    return out;
}

bool SerienAuswahl::Wechsle(bool ausWeg, int zeile) {
    if (ausWeg && jaehrlich_) return false;
    for (size_t i = 0; i < mitglieder_.size(); ++i) {
        if (weg_[i] != ausWeg) continue;
        if (zeile-- == 0) {
            weg_[i] = !ausWeg;
            return true;
        }
    }
    return false;
}

void SerienAuswahl::Alle(bool weg) {
    if (!weg && jaehrlich_) return;
    weg_.assign(mitglieder_.size(), weg);
}

void SerienAuswahl::Entferne() {
    if (slot_ < 0 || slot_ >= liste_.Anzahl()) return;
    WarteCursor warten;
    const uint16_t id = liste_.Satz(slot_).Id;
    liste_.SetzeAktuell(&liste_.Satz(slot_));
    liste_.LoescheAktuell();
    int pos = slot_;
    for (const std::string& zeile : Zeilen(true)) {
        for (int i = pos; i < liste_.Anzahl(); ++i) {
            if (liste_.Satz(i).Id != id || MitgliedZeile(liste_.Satz(i)) != zeile) continue;
            liste_.SetzeAktuell(&liste_.Satz(i));
            liste_.LoescheAktuell();
            pos = i;
            break;
        }
    }
}
