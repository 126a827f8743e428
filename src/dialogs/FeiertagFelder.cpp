// PruefeFeiertag, FelderAus, FuegeFeiertagAn, EntferneFeiertag and FeiertagZeile.
#include "dialogs/FeiertagFelder.h"

#include "core/ResourceIds.h"
#include "core/TextFormat.h"
#include "holidays/FeiertagTabelle.h"
#include "store/DatumText.h"
#include "store/Zeitpunkt.h"

#include <cstring>

namespace {
constexpr int FreieEintraege = 2;  // entries the table always keeps empty

// Optional sign and 1-6 digits; anything else (also empty) is not a number.
bool Zahl(const std::string& text, int& wert) {
    size_t i = text.empty() || (text[0] != '-' && text[0] != '+') ? 0 : 1;
    if (i == text.size() || text.size() - i > 6) return false;
    int n = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        n = n * 10 + (text[i] - '0');
    }
    wert = text[0] == '-' ? -n : n;
    return true;
}

bool ImBereich(const std::string& text, int von, int bis, int& wert) {
    return Zahl(text, wert) && wert >= von && wert <= bis;
}

// An empty year field takes `leer`.
bool Jahr(const std::string& text, int leer, int16_t& jahr) {
    int wert = leer;
    if (!text.empty() && !ImBereich(text, 0, 9999, wert)) return false;
    jahr = static_cast<int16_t>(wert);
    return true;
}

std::string JahrText(int16_t jahr) { return std::to_string(jahr); }
}  // namespace

int PruefeFeiertag(const FeiertagFelder& f, Feiertag& e) {
    Feiertag neu{};
    int tag = 0, monat = 0, versatz = 0;
    switch (f.Option) {
    case FeiertagOption::Fest:
        if (!ImBereich(f.Tag, 1, 31, tag)) return IDS_TAG_UNGUELTIG;
        if (!ImBereich(f.Monat, 1, 12, monat)) return IDS_MONAT_UNGUELTIG;
        neu.Art = FeiertagArt::Fest;
        neu.Regel = RegelFest(monat, tag);
        break;
    case FeiertagOption::Ostern:
        if (!ImBereich(f.OsterTage, -100, 300, versatz)) return IDS_VERSATZ_UNGUELTIG;
        neu.Art = FeiertagArt::Ostern;
        neu.Regel = RegelVersatz(versatz);
        break;
    case FeiertagOption::Advent:
        if (!ImBereich(f.AdventTage, -349, 6, versatz)) return IDS_VERSATZ_UNGUELTIG;
        neu.Art = FeiertagArt::Weihnachten;
        neu.Regel = RegelVersatz(versatz);
        break;
    case FeiertagOption::Wochentag:
        if (f.N < 0 || f.Wochentag < 0 || f.WochenMonat < 0) return -1;
        neu.Art = FeiertagArt::Wochentag;
        neu.Regel = RegelWochentag(f.N + 1, f.Wochentag + 1, f.WochenMonat + 1);
        break;
    }
    if (!Jahr(f.Von, 0, neu.VonJahr) || !Jahr(f.Bis, 9999, neu.BisJahr) || !Jahr(f.Von2, 0, neu.VonJahr2) ||
        !Jahr(f.Bis2, 9999, neu.BisJahr2))
        return IDS_JAHR_UNGUELTIG;
    std::strncpy(neu.Kurzname, f.Kurzname.c_str(), KurznameMax);
    std::strncpy(neu.Langname, f.Langname.c_str(), LangnameMax);
    neu.Status = static_cast<uint8_t>((f.Aktiv ? FeiertagStatus::Aktiv : 0) |
                                      (f.Gesetzlich ? FeiertagStatus::Gesetzlich : 0));
    e = neu;
    return 0;
}

FeiertagFelder FelderAus(const Feiertag& e) {
    FeiertagFelder f;
    f.Kurzname.assign(e.Kurzname, strnlen(e.Kurzname, sizeof e.Kurzname));
    f.Langname.assign(e.Langname, strnlen(e.Langname, sizeof e.Langname));
    f.Aktiv = (e.Status & FeiertagStatus::Aktiv) != 0;
    f.Gesetzlich = (e.Status & FeiertagStatus::Gesetzlich) != 0;
    switch (e.Art) {
    case FeiertagArt::Ostern:
        f.Option = FeiertagOption::Ostern;
        f.OsterTage = std::to_string(Versatz(e.Regel));
        break;
    case FeiertagArt::Weihnachten:
        f.Option = FeiertagOption::Advent;
        f.AdventTage = std::to_string(Versatz(e.Regel));
        break;
    case FeiertagArt::Wochentag:
        f.Option = FeiertagOption::Wochentag;
        f.N = WochentagN(e.Regel) - 1;
        f.Wochentag = WochentagTag(e.Regel) - 1;
        f.WochenMonat = WochentagMonat(e.Regel) - 1;
        break;
    default:
        f.Option = FeiertagOption::Fest;
        f.Tag = std::to_string(FestTag(e.Regel));
        f.Monat = std::to_string(FestMonat(e.Regel));
        break;
    }
    f.Von = JahrText(e.VonJahr);
    f.Bis = JahrText(e.BisJahr);
    f.Von2 = JahrText(e.VonJahr2);
    f.Bis2 = JahrText(e.BisJahr2);
    return f;
}

bool FeiertageVoll(const FeiertagTabelle& tabelle) { return AnzahlFeiertage(tabelle) >= MaxFeiertage - FreieEintraege; }

bool FuegeFeiertagAn(FeiertagTabelle& tabelle, const Feiertag& e) {
    if (FeiertageVoll(tabelle)) return false;
    tabelle.Eintrag[AnzahlFeiertage(tabelle)] = e;
    return true;
}

void EntferneFeiertag(FeiertagTabelle& tabelle, int index) {
    const int anzahl = AnzahlFeiertage(tabelle);
    if (index < 0 || index >= anzahl) return;
    for (int i = index; i + 1 < MaxFeiertage; ++i) tabelle.Eintrag[i] = tabelle.Eintrag[i + 1];
    tabelle.Eintrag[MaxFeiertage - 1] = Feiertag{};
}

std::string FeiertagZeile(const Feiertag& e, int jahr) {
    const Zeitpunkt d = DatumAusTagDesJahres(jahr, e.Tag);
    const char sep = DatumTrenner();
    const int erstes = TagZuerst() ? d.Tag : d.Monat;
    const int zweites = TagZuerst() ? d.Monat : d.Tag;
    const std::string lang(e.Langname, strnlen(e.Langname, sizeof e.Langname));
    return Format("(%02d%c%02d%c%04d)            %s", erstes, sep, zweites, sep, int(d.Jahr), lang.c_str());
}
