// Load path: appends the records of a file as they are read, with the yearly copies merged
// in on the way, so that every record is written once, in its final slot. The result is the
// collection that appending every record and then ErzeugeJahresKopien gives. A file out of
// start order, or a master without series number or on 29 February, falls back to exactly that.
#pragma once
#include "store/JahresKopien.h"

#include <cstdint>
#include <vector>

class JahresKopienMischer {
public:
    explicit JahresKopienMischer(ClsListe& liste) : liste_(liste) {}

    bool Anhaengen(Termin t);  // false after a memory message
    bool Abschliessen();       // the copies still pending; false after a memory message

private:
    // A record waiting for its slot: the one just read (Kopie < 0) or copy Kopie + 1 of the
    // master with ordinal Master.
    struct Eintrag {
        int Master = 0, Kopie = -1;
    };
    struct Master {
        int Slot;
        int64_t Key;
        bool OhneEnde;
    };

    int64_t KopieKey(int k) const { return master_[size_t(kopf_[k])].Key + (int64_t(k + 1) << 32); }
    bool Vor(int a, int b) const;  // run a's head comes before run b's
    void Heben(int i);
    void Senken(int i);
    int NaechsteKopie();  // pops the smallest pending copy, returns its run
    bool Gruppe(int64_t key, Termin* gelesen);
    bool Schreibe(const Eintrag& e, Termin* gelesen);
    void Zurueckfallen();

    ClsListe& liste_;
    bool mischen_ = true;
    bool gelesen_ = false;
    int64_t letzterKey_ = 0;
    int slot_ = 0;  // where the record just read went
    std::vector<Master> master_;  // in start order
    // Run k holds copy k + 1 of every master from kopf_[k] on; the runs with a pending copy
    // form a heap on (start, ordinal), the order the copies are sorted in.
    int kopf_[JahresKopienAnzahl] = {};
    int heap_[JahresKopienAnzahl] = {};
    int heapGroesse_ = 0;
    std::vector<Eintrag> rest_;
};
