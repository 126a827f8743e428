// Enable rules of the appointment dialog: which controls are usable in which state.
#pragma once

struct FreigabeLage {
    bool DatumGefuellt = false;     // 101 not empty
    bool KurztextGefuellt = false;  // 103 not empty
    bool Geladen = false;           // an existing appointment is shown
    bool DatumOderZeitGeaendert = false;
    bool Geaendert = false;
    bool AktuellJahresKopie = false;  // the collection's current record is a yearly copy
    bool AendernBisher = false;       // Change (133) as it is now
    long Anzahl = 1;                  // 109
    bool Jaehrlich = false;           // 119
    bool Vorwarnung = false;          // 129
    bool ProgrammMarke = false;       // "#[" in the first 174 characters of 105
    bool ZeileGewaehlt = false;       // a line of 120
};

struct Freigaben {
    bool Bereit = false;       // 1981, 1982, 1984-1986, 180, 181, 129, 118, 109, 119, 160-163
    bool Hinzufuegen = false;  // 106
    bool Aendern = false;      // 133
    bool Loeschen = false;     // 107
    bool Warnfelder = false;   // 114-116 with labels 201-203
    bool Wiederholung = false; // 135, 113, 136, 134
    bool Schritte = false;     // 110-112 (a disabled step box is also cleared)
};

Freigaben BerechneFreigaben(const FreigabeLage& lage);
