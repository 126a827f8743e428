// ClsAdrListe: storage, walking, sorted insert, numbers and the display line.
#include "addresses/ClsAdrListe.h"

#include "addresses/SortVergleich.h"
#include "core/Host.h"
#include "core/ResourceIds.h"

#include <algorithm>
#include <bitset>
#include <new>

namespace {
void Speichermangel() { Message(IDS_SPEICHERMANGEL, IDS_TITEL_HINWEIS, Mb::Ok | Mb::IconExclamation | Mb::TaskModal); }
}  // namespace

bool ClsAdrListe::Reserviere(int saetze) {
    if (grenze_ >= 0 && saetze > grenze_) return false;
    try {
        saetze_.reserve(size_t(saetze));
    } catch (const std::bad_alloc&) {
        return false;
    }
    kapazitaet_ = std::max(kapazitaet_, saetze - 1);
    return true;
}

Adresse* ClsAdrListe::Aktuelle() { return cursor_ < Anzahl() ? &saetze_[size_t(cursor_)] : nullptr; }

Adresse* ClsAdrListe::Erste() {
    cursor_ = 0;
    return Aktuelle();
}

Adresse* ClsAdrListe::Naechste() {
    if (cursor_ < Anzahl()) ++cursor_;
    return Aktuelle();
}

Adresse* ClsAdrListe::Vorige() {
    if (cursor_ > 0) --cursor_;
    return Aktuelle();
}

void ClsAdrListe::SetzeCursor(int index) { cursor_ = std::clamp(index, 0, Anzahl()); }

bool ClsAdrListe::MerkePosition() {
    if (stapelTiefe_ == StapelTiefe) return false;
    stapel_[stapelTiefe_++] = cursor_;
    return true;
}

bool ClsAdrListe::HolePosition() {
    if (stapelTiefe_ == 0) return false;
    SetzeCursor(stapel_[--stapelTiefe_]);
    return true;
}

Adresse* ClsAdrListe::Finde(uint16_t id) {
    for (Adresse& a : saetze_)
        if (a.ID == id) return &a;
    return nullptr;
}

uint16_t ClsAdrListe::NeueId(const std::vector<uint16_t>& vergeben) const {
    std::bitset<65536> belegt;
    for (uint16_t id : vergeben) belegt.set(id);
    if (saetze_.empty() && !belegt[1]) return 1;
    for (const Adresse& a : saetze_) belegt.set(a.ID);
    for (size_t id = 2; id < belegt.size(); ++id)
        if (!belegt[id]) return uint16_t(id);
    return 0;
}

bool ClsAdrListe::EinfuegenBeiCursor(const Adresse& a) {
    // The block grows by 50 records when it is full (count = capacity).
    if (Anzahl() >= kapazitaet_ && !Reserviere(Anzahl() + Wachstum + 1)) {
        Speichermangel();
        return false;
    }
    try {
        saetze_.insert(saetze_.begin() + cursor_, a);
    } catch (const std::bad_alloc&) {
        Speichermangel();
        return false;
    }
    Geaendert = true;
    return true;
}

int ClsAdrListe::EinfuegenSortiert(const Adresse& a) {
    int i = 0;
    while (i < Anzahl() && SortVergleich(saetze_[size_t(i)].SORT, a.SORT) <= 0) ++i;
    cursor_ = i;
    return EinfuegenBeiCursor(a) ? i : -1;
}

void ClsAdrListe::LoescheAktuelle() {
    if (cursor_ >= Anzahl()) return;
    saetze_.erase(saetze_.begin() + cursor_);
    Geaendert = true;
}

void ClsAdrListe::Leeren() {
    std::vector<Adresse>().swap(saetze_);
    cursor_ = stapelTiefe_ = kapazitaet_ = 0;
    Geaendert = false;
}

bool ClsAdrListe::Initialisieren() {
    Leeren();
    if (Reserviere(StartKapazitaet + 1)) return true;
    Speichermangel();
    return false;
}

std::string ClsAdrListe::Zeile(const Adresse& a, bool lang) {
    std::string z = a.FIRMA;
    const char* kurz[] = {a.NAME1, a.NAME2};
    const char* voll[] = {a.NAME1, a.NAME2, a.STRASSE, a.PLZORT, a.LAND};
    const char* const* felder = lang ? voll : kurz;
    const int anzahl = lang ? 5 : 2;
    for (int i = 0; i < anzahl; ++i) {
        if (!z.empty() && felder[i][0]) z += ", ";
        z += felder[i];
    }
    if (lang && a.TELEFON[0]) {
        if (!z.empty()) z += ", ";
        z += "Tel. ";
        z += a.TELEFON;
    }
    return z;
}
