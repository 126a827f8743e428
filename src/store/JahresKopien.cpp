// Yearly copies at load time and the one-master-per-series selection at save time.
#include "store/JahresKopien.h"

#include "store/RecordRef.h"

#include <algorithm>
#include <new>

namespace {
bool IstMasterOhneId(const Termin& t) { return t.IstJahresMaster() && t.Id == 0; }

// `jahre` years on; 29 February of a common year runs on to 1 March, a day the views show.
void JahreWeiter(Zeitpunkt& z, int jahre) {
    z.Jahr = int16_t(z.Jahr + jahre);
    if (Am29Februar(z) && !IstSchaltjahr(z.Jahr)) {
        z.Monat = 3;
        z.Tag = 1;
    }
}
}  // namespace

bool Am29Februar(const Zeitpunkt& z) { return z.Monat == 2 && z.Tag == 29; }

TerminKopf JahrWeiter(const TerminKopf& master, int jahre, bool alsKopie) {
    TerminKopf t = master;
    t.Ende.Jahr = 1;
    t.Ende.Monat = 0;
    t.Ende.Tag = 0;
    JahreWeiter(t.Start, jahre);
    t.Vorwarnung = master.VorwarnBasis;
    if (t.Vorwarnung.Jahr > 0) JahreWeiter(t.Vorwarnung, jahre);
    t.VorwarnBasis = t.Vorwarnung;
    t.Flags = uint16_t(t.Flags & ~FlagErledigt);
    if (alsKopie) t.Flags |= FlagJahresKopie;
    return t;
}

Termin JahrWeiter(const Termin& master, int jahre, bool alsKopie) {
    Termin t;
    static_cast<TerminKopf&>(t) = JahrWeiter(static_cast<const TerminKopf&>(master), jahre, alsKopie);
    t.Beschr = master.Beschr;
    return t;
}

std::vector<Termin> ErzeugeKopien(const Termin& master) {
    std::vector<Termin> kopien;
    kopien.reserve(JahresKopienAnzahl);
    for (int k = 1; k <= JahresKopienAnzahl; ++k) kopien.push_back(JahrWeiter(master, k, true));
    return kopien;
}

bool ErneuereKopien(ClsListe& liste, uint16_t id, const Termin& master) {
    int behalten = -1;
    for (int i = 0; i < liste.Anzahl() && behalten < 0; ++i)
        if (SameRecord(liste.Satz(i), master)) behalten = i;
    liste.EntferneWenn([&](int i, const Termin& t) {
        return t.Id == id && i != behalten && (t.Hat(FlagJahresKopie) || t.Hat(FlagJaehrlich));
    });
    if (!master.IstJahresMaster()) return true;
    return liste.EinfuegenMehrere(ErzeugeKopien(master));
}

// The copies are built in their final slots from the masters' fixed fields and texts taken
// beforehand, so everything that can fail happens before the list changes. Masters without
// number get theirs only once the copies are in.
bool ErzeugeJahresKopien(ClsListe& liste) {
    std::vector<TerminKopf> master;  // copy j is copy j % 19 + 1 of master j / 19
    std::vector<int> textAb;         // per master: its copies' texts from texte[textAb], or -1
    std::vector<std::string> texte;
    std::vector<ClsListe::NeuerSatz> neue;
    std::vector<uint16_t> ids;
    try {
        int ohneId = 0;
        for (int i = 0; i < liste.Anzahl(); ++i) {
            const Termin& m = liste.Satz(i);
            if (!m.IstJahresMaster()) continue;
            ohneId += m.Id == 0;
            master.push_back(m);
            textAb.push_back(m.Beschr.empty() ? -1 : int(texte.size()));
            if (!m.Beschr.empty()) texte.insert(texte.end(), JahresKopienAnzahl, m.Beschr);
            for (int k = 1; k <= JahresKopienAnzahl; ++k)
                neue.push_back({JahrWeiter(master.back(), k, true).Start, m.Hat(FlagOhneEnde)});
        }
        if (ohneId > 0) ids = liste.FreieIds(ohneId);
        size_t naechsteId = 0;
        for (TerminKopf& m : master)
            if (m.Id == 0 && naechsteId < ids.size()) m.Id = ids[naechsteId++];
    } catch (const std::bad_alloc&) {
        Speichermangel();
        return false;
    }
    const bool eingefuegt = liste.EinfuegenErzeugt(neue, [&](int j, Termin& ziel) {
        const size_t q = size_t(j / JahresKopienAnzahl);
        const int k = j % JahresKopienAnzahl;
        static_cast<TerminKopf&>(ziel) = JahrWeiter(master[q], k + 1, true);
        if (textAb[q] >= 0) ziel.Beschr = std::move(texte[size_t(textAb[q] + k)]);
        else ziel.Beschr.clear();
    });
    if (!eingefuegt) return false;
    // The merge keeps the masters' order, so they meet their numbers in the same sequence.
    size_t naechsteId = 0;
    for (int i = 0; i < liste.Anzahl() && naechsteId < ids.size(); ++i)
        if (IstMasterOhneId(liste.Satz(i))) liste.Satz(i).Id = ids[naechsteId++];
    return true;
}

Termin MasterAb(const Termin& master, const Zeitpunkt& grenze) {
    if (!(SortKey(master.Start) < SortKey(grenze))) return master;
    int jahre = grenze.Jahr - master.Start.Jahr;
    Termin t = JahrWeiter(master, jahre, false);
    if (SortKey(t.Start) < SortKey(grenze)) t = JahrWeiter(master, ++jahre, false);
    while (Am29Februar(master.Start) && !Am29Februar(t.Start)) t = JahrWeiter(master, --jahre, false);
    return t;
}

Schreibliste::Schreibliste(ClsListe& liste, const Zeitpunkt& jetzt) : liste_(liste) {
    try {
        Waehle(jetzt);
    } catch (const std::bad_alloc&) {
        eintraege_.clear();
        verschoben_.clear();
        gueltig_ = false;
        Speichermangel();
    }
}

void Schreibliste::Waehle(const Zeitpunkt& jetzt) {
    ClsListe& liste = liste_;
    Zeitpunkt grenze = jetzt;
    grenze.Jahr = int16_t(grenze.Jahr - 1);
    const int64_t ab = SortKey(grenze);
    const auto jaehrlich = [](const Termin& t) { return t.Hat(FlagJaehrlich) || t.Hat(FlagJahresKopie); };
    std::vector<int> master(65536, -1);  // first master slot per series number
    std::vector<int> wahl(65536, -1);    // slot written as the series' master
    std::vector<int> schalttag(65536, -1);
    eintraege_.reserve(size_t(liste.Anzahl()));
    for (int i = 0; i < liste.Anzahl(); ++i) {
        const Termin& t = liste.Satz(i);
        if (t.IstJahresMaster() && master[t.Id] < 0) master[t.Id] = i;
    }
    // Choice: a series of 29 February goes on from its last leap year, a few years back at
    // most, so that its 1 March stand-ins never become the date it keeps.
    for (int i = 0; i < liste.Anzahl(); ++i) {
        const Termin& t = liste.Satz(i);
        if (!jaehrlich(t) || master[t.Id] < 0 || wahl[t.Id] >= 0) continue;
        if (SortKey(t.Start) < ab) {
            if (Am29Februar(t.Start)) schalttag[t.Id] = i;
            continue;
        }
        const bool ersatz = Am29Februar(liste.Satz(master[t.Id]).Start) && !Am29Februar(t.Start);
        wahl[t.Id] = ersatz && schalttag[t.Id] >= 0 ? schalttag[t.Id] : i;
    }
    for (int i = 0; i < liste.Anzahl(); ++i) {
        Termin& t = liste.Satz(i);
        if (!jaehrlich(t)) {
            eintraege_.push_back(i);
        } else if (master[t.Id] >= 0 && wahl[t.Id] == i) {
            t.Flags = uint16_t(t.Flags & ~FlagJahresKopie);
            eintraege_.push_back(i);
        }
    }
    // Series with nothing in range: their master, moved on, at its sorted place.
    for (int id = 0; id < 65536; ++id) {
        if (master[size_t(id)] < 0 || wahl[size_t(id)] >= 0) continue;
        verschoben_.push_back(MasterAb(liste.Satz(master[size_t(id)]), grenze));
    }
    if (verschoben_.empty()) return;
    std::stable_sort(verschoben_.begin(), verschoben_.end(),
                     [](const Termin& a, const Termin& b) { return SortKey(a.Start) < SortKey(b.Start); });
    std::vector<int> alle;
    alle.reserve(eintraege_.size() + verschoben_.size());
    size_t v = 0;
    for (int e : eintraege_) {
        for (; v < verschoben_.size() && SortKey(verschoben_[v].Start) <= SortKey(liste.Satz(e).Start); ++v)
            alle.push_back(-1 - int(v));
        alle.push_back(e);
    }
    for (; v < verschoben_.size(); ++v) alle.push_back(-1 - int(v));
    eintraege_.swap(alle);
}

const Termin& Schreibliste::operator[](int i) const {
    const int e = eintraege_[size_t(i)];
    return e >= 0 ? liste_.Satz(e) : verschoben_[size_t(-1 - e)];
}
