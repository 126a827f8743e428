// Date formatting and parsing under the regional separator and day/month order.
#include "store/DatumText.h"

#include "core/Host.h"
#include "core/ResString.h"
#include "core/ResourceIds.h"
#include "core/TextFormat.h"

#include <cctype>

namespace {
// Regional seam: set once at start-up from the system's date settings.
char regionalTrenner = '.';
bool regionalTagZuerst = true;

// Up to maxTokens tokens, separated by runs of delimiters (no empty tokens, as with strtok);
// the last one takes the rest of the text.
struct Tokens {
    std::string t[3];
    int anzahl = 0;
};

Tokens Zerlege(const std::string& text, const char* trenner, int maxTokens) {
    Tokens out;
    size_t p = 0;
    while (out.anzahl < maxTokens) {
        p = text.find_first_not_of(trenner, p);
        if (p == std::string::npos) break;
        const size_t e = out.anzahl == maxTokens - 1 ? std::string::npos : text.find_first_of(trenner, p);
        out.t[out.anzahl++] = text.substr(p, e == std::string::npos ? std::string::npos : e - p);
        if (e == std::string::npos) break;
        p = e + 1;
    }
    return out;
}

// Value of the leading digits after optional blanks; wraps like the unsigned type.
uint32_t Zahl(const std::string& s) {
    size_t i = 0;
    while (i < s.size() && s[i] == ' ') ++i;
    uint32_t v = 0;
    for (; i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])); ++i) v = v * 10u + uint32_t(s[i] - '0');
    return v;
}

// Digits, blanks and the separator; the third '.' and any other character void the text.
bool ZeichenErlaubt(const std::string& text, char trenner) {
    int punkte = 0;
    for (char c : text) {
        const bool ziffer = std::isdigit(static_cast<unsigned char>(c)) != 0;
        if (!ziffer && c != ' ' && c != trenner) return false;
        if (c == '.' && ++punkte == 3) return false;
    }
    return true;
}

Datum Abgelehnt() {
    Message(IDS_DATUM_UNGUELTIG, IDS_TITEL_FEHLER, Mb::Ok | Mb::IconExclamation | Mb::TaskModal);
    return Datum{};
}

}  // namespace

char DatumTrenner() { return regionalTrenner; }
bool TagZuerst() { return regionalTagZuerst; }

void SetzeDatumsformat(char datumTrenner, bool tagVorMonat) {
    regionalTrenner = datumTrenner;
    regionalTagZuerst = tagVorMonat;
}

std::string DatumText(int tag, int monat, int jahr, DatumStil stil) {
    const int erste = TagZuerst() ? tag : monat, zweite = TagZuerst() ? monat : tag;
    switch (stil) {
    case DatumStil::Leer: return Format("%2d%c%02d%c%04d", erste, DatumTrenner(), zweite, DatumTrenner(), jahr);
    case DatumStil::Kurz: return Format("%d%c%02d%c%4d", erste, DatumTrenner(), zweite, DatumTrenner(), jahr);
    case DatumStil::KurzLeer: return Format("%2d%c%02d%c%4d", erste, DatumTrenner(), zweite, DatumTrenner(), jahr);
    case DatumStil::Titel: return Format("%d%c%2d%c%4d", erste, DatumTrenner(), zweite, DatumTrenner(), jahr);
    case DatumStil::Zweistellig: break;
    }
    return Format("%02d%c%02d%c%04d", erste, DatumTrenner(), zweite, DatumTrenner(), jahr);
}

std::string DatumText(const Zeitpunkt& z, DatumStil stil) { return DatumText(z.Tag, z.Monat, z.Jahr, stil); }

std::string ZeitText(int stunde, int minute, bool leer) {
    return leer ? Format("%2d:%02d", stunde, minute) : Format("%02d:%02d", stunde, minute);
}

std::string EndeText(int stunde, int minute) { return Format(" - %2d:%02d", stunde, minute); }

std::string DatumZeitText(const Zeitpunkt& z, DatumStil stil) {
    return DatumText(z, stil) + "  " + ZeitText(z.Stunde, z.Minute, true);
}

std::string UhrText(const Zeitpunkt& z, int sekunde) {
    return DatumText(z) + Format("  %02d:%02d:%02d", z.Stunde, z.Minute, sekunde);
}

std::string DatumMitText(const Zeitpunkt& z, const std::string& text) { return DatumText(z) + "  " + text; }

std::string FeiertagZeile(const Zeitpunkt& z, const std::string& name) {
    return "(" + DatumText(z) + ")            " + name;
}

std::string LangesDatum(int tag, int monat, int jahr) {
    const char* name = Monatsname(monat);
    return TagZuerst() ? Format("%2d. %s %d", tag, name, jahr) : Format("%s %2d, %d", name, tag, jahr);
}

const char* Monatsname(int monat) {
    if (monat < 1 || monat > 12) return "";
    return LoadResString(IDS_JANUAR + monat - 1);
}

// Choice: the two-digit rule runs before the day check, so 29.02.00 is checked against 2000;
// days below 1, month 0 and years outside 1800-3999 are refused as well.
Datum ParseDatum(const std::string& text, char trenner) {
    const char trennText[2] = {trenner, '\0'};
    Tokens tok = Zerlege(ZeichenErlaubt(text, trenner) ? text : std::string(), trennText, 3);
    if (tok.anzahl < 3) return Abgelehnt();
    if (!TagZuerst()) std::swap(tok.t[0], tok.t[1]);
    const uint32_t tag = Zahl(tok.t[0]), monat = Zahl(tok.t[1]);
    int jahr = uint16_t(Zahl(tok.t[2]));
    if (jahr < 80) jahr += 2000;
    else if (jahr < 100) jahr += 1900;
    if (monat > 12 || tag > 31 || !IstKalenderDatum(int(tag), int(monat), jahr)) return Abgelehnt();
    Datum d;
    d.Jahr = jahr;
    d.Tag = int8_t(tag);
    d.Monat = int8_t(monat);
    return d;
}

bool ZerlegeDatum(const std::string& text, DatumTeile& out, char trenner) {
    const char trennText[2] = {trenner, '\0'};
    Tokens tok = Zerlege(text, trennText, 3);
    if (tok.anzahl < 3) return false;
    if (!TagZuerst()) std::swap(tok.t[0], tok.t[1]);
    // Kept non-negative; the range checks of the callers refuse what is too large.
    out.Tag = int(Zahl(tok.t[0]) & 0x7FFFFFFF);
    out.Monat = int(Zahl(tok.t[1]) & 0x7FFFFFFF);
    out.Jahr = int(Zahl(tok.t[2]) & 0x7FFFFFFF);
    return true;
}

bool IstKalenderDatum(int tag, int monat, int jahr) {
    return jahr >= 1800 && jahr <= 3999 && monat >= 1 && monat <= 12 && tag >= 1 && tag <= TageImMonat(jahr, monat);
}

Uhrzeit ZerlegeZeit(const std::string& text) {
    const Tokens tok = Zerlege(text, ".:-", 2);
    Uhrzeit u;
    if (tok.anzahl == 0) return u;
    u.OhneZeit = false;
    u.Stunde = int(Zahl(tok.t[0]));
    if (tok.anzahl == 2) u.Minute = int(Zahl(tok.t[1]));
    return u;
}
