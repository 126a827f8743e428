// ClsListe: storage, walking, insert and delete. Records sit in one vector in start order;
// cursor and saved positions are slot numbers, so a reallocation cannot invalidate them.
#include "store/ClsListe.h"

#include "core/Host.h"
#include "core/ResourceIds.h"

#include <algorithm>
#include <bitset>
#include <cstddef>
#include <new>

void Speichermangel() { Message(IDS_SPEICHERMANGEL, IDS_TITEL_HINWEIS, Mb::Ok | Mb::IconExclamation | Mb::TaskModal); }

Termin* ClsListe::Endmarke() {
    endmarke_ = Termin{};  // callers may have written to it
    return &endmarke_;
}

Termin& ClsListe::Satz(int i) { return i >= 0 && i < Anzahl() ? saetze_[size_t(i)] : *Endmarke(); }

Termin* ClsListe::Erster() {
    cursor_ = 0;
    return Aktuell();
}

Termin* ClsListe::Naechster() {
    if (cursor_ < Anzahl()) ++cursor_;
    return Aktuell();
}

Termin* ClsListe::Voriger() {
    if (cursor_ > 0) --cursor_;
    return Aktuell();
}

Termin* ClsListe::Aktuell() { return &Satz(cursor_); }

void ClsListe::SetzeAktuell(const Termin* t) {
    if (!t) return;
    if (t == &endmarke_) {
        cursor_ = Anzahl();
    } else if (!saetze_.empty() && t >= saetze_.data() && t < saetze_.data() + saetze_.size()) {
        cursor_ = int(t - saetze_.data());
    }
}

Termin* ClsListe::Letzter() { return &Satz(Anzahl() - 1); }

bool ClsListe::MerkePosition() {
    if (stapelTiefe_ == StapelTiefe) return false;
    stapel_[stapelTiefe_++] = cursor_;
    return true;
}

bool ClsListe::HolePosition() {
    if (stapelTiefe_ == 0) return false;
    cursor_ = std::min(stapel_[--stapelTiefe_], Anzahl());
    return true;
}

Termin* ClsListe::Hole(Termin& out, bool nurTag) {
    const int64_t tag = DatumKey(out.Start);
    for (; cursor_ < Anzahl(); ++cursor_) {
        Termin& t = saetze_[size_t(cursor_)];
        const int64_t hier = DatumKey(t.Start);
        if (nurTag && hier > tag) return nullptr;
        if (!nurTag || hier == tag) {
            try {
                out = t;
            } catch (const std::bad_alloc&) {
                Speichermangel();
                return nullptr;
            }
            ++cursor_;
            return &t;
        }
    }
    return nullptr;
}

void ClsListe::SucheTag(const Zeitpunkt& tag) {
    const int64_t key = DatumKey(tag);
    const auto it = std::lower_bound(saetze_.begin(), saetze_.end(), key,
                                     [](const Termin& e, int64_t k) { return DatumKey(e.Start) < k; });
    cursor_ = int(it - saetze_.begin());
}

// The first record not earlier than t (the list is sorted, so a binary search finds the
// same slot as a walk from the front); one further past an equal start without end time.
int ClsListe::EinfuegePosition(const Termin& t) const {
    const int64_t key = SortKey(t.Start);
    auto it = std::lower_bound(saetze_.begin(), saetze_.end(), key,
                               [](const Termin& e, int64_t k) { return SortKey(e.Start) < k; });
    if (it != saetze_.end() && SortKey(it->Start) == key && it->Hat(FlagOhneEnde) && !t.Hat(FlagOhneEnde))
        ++it;
    return int(it - saetze_.begin());
}

// Reserves room for `saetze` records in v, `bisher` being the real size of the current block;
// a growing block at least doubles, so that the counted steps of 50 keep bulk loads linear.
bool ClsListe::Vorhalten(std::vector<Termin>& v, size_t saetze, size_t bisher) const {
    if (saetze <= v.capacity()) return true;
    if (grenze_ >= 0 && saetze > size_t(grenze_)) return false;
    size_t ziel = saetze <= bisher ? bisher : std::max(saetze, bisher * 2);
    if (grenze_ >= 0) ziel = std::min(ziel, size_t(grenze_));
    try {
        v.reserve(ziel);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

// The counted capacity after inserting one by one up to neueAnzahl records: +50 whenever
// Anzahl had reached capacity - 1.
int ClsListe::KapazitaetFuer(int neueAnzahl) const {
    const int fehlt = neueAnzahl - (kapazitaet_ - 1);
    return fehlt <= 0 ? kapazitaet_ : kapazitaet_ + Wachstum * ((fehlt + Wachstum - 1) / Wachstum);
}

bool ClsListe::Platz(int neueAnzahl) {
    const int kapazitaet = KapazitaetFuer(neueAnzahl);
    if (!Vorhalten(saetze_, size_t(kapazitaet), saetze_.capacity())) {
        Speichermangel();
        return false;
    }
    kapazitaet_ = kapazitaet;
    return true;
}

void ClsListe::Melde() {
    if (!Laedt) GetHost().SendToMain(Msg::ListChanged, 0, 0);
}

bool ClsListe::Einfuegen(const Termin& t) {
    Termin kopie;
    try {
        kopie = t;
    } catch (const std::bad_alloc&) {
        Speichermangel();
        return false;
    }
    if (!Platz(Anzahl() + 1)) return false;
    saetze_.insert(saetze_.begin() + EinfuegePosition(kopie), std::move(kopie));
    Geaendert = true;
    Melde();
    return true;
}

bool ClsListe::Anhaengen(Termin t) {
    const bool vorgehalten = Anzahl() + 1 <= kapazitaet_ - 1 && saetze_.size() < saetze_.capacity();
    if (!vorgehalten && !Platz(Anzahl() + 1)) return false;
    if (saetze_.empty() || SortKey(saetze_.back().Start) <= SortKey(t.Start)) saetze_.push_back(std::move(t));
    else saetze_.insert(saetze_.begin() + EinfuegePosition(t), std::move(t));
    return true;
}

int ClsListe::Verdichte(const std::function<bool(int, const Termin&)>& weg) {
    size_t ziel = 0;
    for (size_t i = 0; i < saetze_.size(); ++i) {
        if (weg(int(i), saetze_[i])) continue;
        if (ziel != i) saetze_[ziel] = std::move(saetze_[i]);
        ++ziel;
    }
    const int entfernt = Anzahl() - int(ziel);
    saetze_.erase(saetze_.begin() + std::ptrdiff_t(ziel), saetze_.end());
    cursor_ = std::min(cursor_, Anzahl());
    return entfernt;
}

void ClsListe::EntferneWenn(const std::function<bool(int, const Termin&)>& weg) {
    if (Verdichte(weg) == 0) return;
    Geaendert = true;
    Melde();
}

void ClsListe::EntferneJahresKopien() {
    Verdichte([](int, const Termin& t) { return t.Hat(FlagJahresKopie); });
}

bool ClsListe::EinfuegenMehrere(std::vector<Termin> neue) {
    std::vector<NeuerSatz> starts;
    try {
        starts.reserve(neue.size());
        for (const Termin& t : neue) starts.push_back({t.Start, t.Hat(FlagOhneEnde)});
    } catch (const std::bad_alloc&) {
        Speichermangel();
        return false;
    }
    return EinfuegenErzeugt(starts, [&neue](int j, Termin& ziel) { ziel = std::move(neue[size_t(j)]); });
}

// Within one start time, inserting one by one puts each record in front, or second when the
// front record has FlagOhneEnde and the new one has not. Only the front can change, and every
// other placement is a push to the front of the rest: so a group ends up as
// [front, records pushed to the rest in reverse order, the old group after its front].
bool ClsListe::EinfuegenErzeugt(const std::vector<NeuerSatz>& neue, const std::function<void(int, Termin&)>& mach) {
    if (neue.empty()) return true;
    const int n = Anzahl(), m = int(neue.size());
    std::vector<int> reihenfolge;  // indices < n: existing records, >= n: neue[i - n]
    try {
        std::vector<int64_t> neuKey(size_t(m), 0);
        std::vector<int> neueSortiert(size_t(m), 0);
        for (int i = 0; i < m; ++i) {
            neueSortiert[size_t(i)] = i;
            neuKey[size_t(i)] = SortKey(neue[size_t(i)].Start);
        }
        std::stable_sort(neueSortiert.begin(), neueSortiert.end(),
                         [&](int a, int b) { return neuKey[size_t(a)] < neuKey[size_t(b)]; });
        reihenfolge.reserve(size_t(n + m));
        std::vector<int> zumRest;
        int i = 0;
        for (size_t j = 0; j < neueSortiert.size();) {
            const int64_t key = neuKey[size_t(neueSortiert[j])];
            while (i < n && SortKey(saetze_[size_t(i)].Start) < key) reihenfolge.push_back(i++);
            const int gruppenAnfang = i;
            while (i < n && SortKey(saetze_[size_t(i)].Start) == key) ++i;
            int vorne = gruppenAnfang < i ? gruppenAnfang : -1;
            zumRest.clear();
            for (; j < neueSortiert.size() && neuKey[size_t(neueSortiert[j])] == key; ++j) {
                const int k = neueSortiert[j];
                const bool vorneOhneEnde =
                    vorne >= 0 && (vorne < n ? saetze_[size_t(vorne)].Hat(FlagOhneEnde) : neue[size_t(vorne - n)].OhneEnde);
                if (vorneOhneEnde && !neue[size_t(k)].OhneEnde) {
                    zumRest.push_back(n + k);
                } else {
                    if (vorne >= 0) zumRest.push_back(vorne);
                    vorne = n + k;
                }
            }
            reihenfolge.push_back(vorne);
            reihenfolge.insert(reihenfolge.end(), zumRest.rbegin(), zumRest.rend());
            for (int g = gruppenAnfang + 1; g < i; ++g) reihenfolge.push_back(g);
        }
        while (i < n) reihenfolge.push_back(i++);
    } catch (const std::bad_alloc&) {
        Speichermangel();
        return false;
    }
    const int kapazitaet = KapazitaetFuer(n + m);
    if (!Vorhalten(saetze_, size_t(kapazitaet), saetze_.capacity())) {
        Speichermangel();
        return false;
    }
    kapazitaet_ = kapazitaet;
    // Merged in place from the back: the existing records keep their order, so each moves to
    // its own slot or a later one, and no slot is written before its record has left it.
    saetze_.resize(size_t(n + m));
    for (int k = n + m - 1; k >= 0; --k) {
        const int idx = reihenfolge[size_t(k)];
        if (idx >= n) mach(idx - n, saetze_[size_t(k)]);
        else if (idx != k) saetze_[size_t(k)] = std::move(saetze_[size_t(idx)]);
    }
    Geaendert = true;
    Melde();
    return true;
}

Termin* ClsListe::LoescheAktuell() {
    if (cursor_ < Anzahl()) {
        saetze_.erase(saetze_.begin() + cursor_);
        Geaendert = true;
        Melde();
    }
    return Aktuell();
}

std::vector<uint16_t> ClsListe::FreieIds(int anzahl) const {
    std::bitset<65536> belegt;
    for (const Termin& t : saetze_) belegt.set(t.Id);
    std::vector<uint16_t> frei;
    frei.reserve(size_t(std::min(std::max(anzahl, 0), 65534)));
    for (int id = 2; id < 65536 && int(frei.size()) < anzahl; ++id)
        if (!belegt[size_t(id)]) frei.push_back(uint16_t(id));
    return frei;
}

uint16_t ClsListe::NeueId() const {
    if (saetze_.empty()) return 1;
    try {
        const std::vector<uint16_t> frei = FreieIds(1);
        return frei.empty() ? 0 : frei[0];
    } catch (const std::bad_alloc&) {
        Speichermangel();
        return 0;
    }
}

int ClsListe::ZaehleId(uint16_t id) const {
    return int(std::count_if(saetze_.begin() + std::min(cursor_, Anzahl()), saetze_.end(),
                             [id](const Termin& t) { return t.Id == id; }));
}

void ClsListe::Leeren() {
    std::vector<Termin>().swap(saetze_);
    kapazitaet_ = 0;
    cursor_ = 0;
    stapelTiefe_ = 0;
    Geaendert = false;
}

bool ClsListe::Reserviere(int kapazitaet) {
    Leeren();
    if (!Vorhalten(saetze_, size_t(std::max(kapazitaet, 0)), 0)) return false;
    kapazitaet_ = kapazitaet;
    return true;
}

bool ClsListe::Initialisieren() {
    Laedt = false;
    std::fill(std::begin(Passwort), std::end(Passwort), '\0');
    if (!Reserviere(StartKapazitaet)) {
        Speichermangel();
        return false;
    }
    return true;
}
