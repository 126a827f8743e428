// JahresKopienMischer: the copies wait in 19 runs, one per year step. A file in start order
// lists its masters in start order, so every run is sorted, and a heap over the runs' heads
// hands the copies out in the order ErzeugeJahresKopien sorts them in.
#include "store/JahresKopienMischer.h"

#include <utility>

bool JahresKopienMischer::Vor(int a, int b) const {
    const int64_t ka = KopieKey(a), kb = KopieKey(b);
    if (ka != kb) return ka < kb;
    return int64_t(kopf_[a]) * JahresKopienAnzahl + a < int64_t(kopf_[b]) * JahresKopienAnzahl + b;
}

void JahresKopienMischer::Heben(int i) {
    while (i > 0 && Vor(heap_[i], heap_[(i - 1) / 2])) {
        std::swap(heap_[i], heap_[(i - 1) / 2]);
        i = (i - 1) / 2;
    }
}

void JahresKopienMischer::Senken(int i) {
    for (;;) {
        int kleinster = i;
        for (int kind = 2 * i + 1; kind <= 2 * i + 2 && kind < heapGroesse_; ++kind)
            if (Vor(heap_[kind], heap_[kleinster])) kleinster = kind;
        if (kleinster == i) return;
        std::swap(heap_[i], heap_[kleinster]);
        i = kleinster;
    }
}

int JahresKopienMischer::NaechsteKopie() {
    const int lauf = heap_[0];
    if (size_t(++kopf_[lauf]) == master_.size()) heap_[0] = heap_[--heapGroesse_];
    Senken(0);
    return lauf;
}

// One start time: the record just read (if it has this start) and the copies of it, placed
// as single inserts would place them: each new one in front, or second when the front has
// no end time and the new one has. So the group is written as [front, the others in reverse].
bool JahresKopienMischer::Gruppe(int64_t key, Termin* gelesen) {
    rest_.clear();
    Eintrag vorne;
    bool vorneOhneEnde = gelesen && gelesen->Hat(FlagOhneEnde);
    bool hatVorne = gelesen != nullptr;
    while (heapGroesse_ > 0 && KopieKey(heap_[0]) == key) {
        const int ordnung = kopf_[heap_[0]];
        const Eintrag kopie{ordnung, NaechsteKopie()};
        const bool ohneEnde = master_[size_t(ordnung)].OhneEnde;
        if (vorneOhneEnde && !ohneEnde) {
            rest_.push_back(kopie);
            continue;
        }
        if (hatVorne) rest_.push_back(vorne);
        vorne = kopie;
        vorneOhneEnde = ohneEnde;
        hatVorne = true;
    }
    if (!Schreibe(vorne, gelesen)) return false;
    for (auto e = rest_.rbegin(); e != rest_.rend(); ++e)
        if (!Schreibe(*e, gelesen)) return false;
    return true;
}

bool JahresKopienMischer::Schreibe(const Eintrag& e, Termin* gelesen) {
    if (e.Kopie < 0) {
        slot_ = liste_.Anzahl();
        return liste_.Anhaengen(std::move(*gelesen));
    }
    const Termin& m = liste_.Satz(master_[size_t(e.Master)].Slot);
    Termin kopie;
    static_cast<TerminKopf&>(kopie) = JahrWeiter(static_cast<const TerminKopf&>(m), e.Kopie + 1, true);
    kopie.Beschr = m.Beschr;
    return liste_.Anhaengen(std::move(kopie));
}

bool JahresKopienMischer::Anhaengen(Termin t) {
    if (!mischen_) return liste_.Anhaengen(std::move(t));
    const int64_t key = SortKey(t.Start);
    if (gelesen_ && key < letzterKey_) {
        Zurueckfallen();
        return liste_.Anhaengen(std::move(t));
    }
    const bool master = t.IstJahresMaster(), ohneId = t.Id == 0, ohneEnde = t.Hat(FlagOhneEnde);
    const bool schalttag = Am29Februar(t.Start);
    const bool neueZeit = !gelesen_ || key > letzterKey_;
    gelesen_ = true;
    letzterKey_ = key;
    if (neueZeit) {
        while (heapGroesse_ > 0 && KopieKey(heap_[0]) < key)
            if (!Gruppe(KopieKey(heap_[0]), nullptr)) return false;
    }
    if (neueZeit && heapGroesse_ > 0 && KopieKey(heap_[0]) == key) {
        if (!Gruppe(key, &t)) return false;
    } else {
        slot_ = liste_.Anzahl();
        if (!liste_.Anhaengen(std::move(t))) return false;
    }
    if (!master) return true;
    // Numbers are handed out only once every record is known; the 1 March copies of a
    // 29 February master leave its runs' order.
    if (ohneId || schalttag) {
        Zurueckfallen();
        return true;
    }
    master_.push_back({slot_, key, ohneEnde});
    for (int k = 0; k < JahresKopienAnzahl; ++k)
        if (size_t(kopf_[k]) + 1 == master_.size()) {
            heap_[heapGroesse_++] = k;
            Heben(heapGroesse_ - 1);
        }
    return true;
}

bool JahresKopienMischer::Abschliessen() {
    if (!mischen_) return ErzeugeJahresKopien(liste_);
    while (heapGroesse_ > 0)
        if (!Gruppe(KopieKey(heap_[0]), nullptr)) return false;
    if (!master_.empty()) liste_.SetzeGeaendert();
    return true;
}

void JahresKopienMischer::Zurueckfallen() {
    mischen_ = false;
    liste_.EntferneJahresKopien();
    master_.clear();
    heapGroesse_ = 0;
}
