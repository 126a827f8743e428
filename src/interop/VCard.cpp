// vCard writer and reader.
#include "interop/VCard.h"

#include "core/ResString.h"
#include "core/ResourceIds.h"
#include "core/TextFormat.h"
#include "interop/ImportFrage.h"
#include "interop/Inhaltszeile.h"
#include "interop/Zeichensatz.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace {
std::string Text(const std::string& ansi) { return WertAusText(Utf8AusAnsi(ansi)); }

// "80331 München" -> postcode and town; a first word without a digit is no postcode.
void TeilePlzOrt(const std::string& plzOrt, std::string& plz, std::string& ort) {
    const size_t leer = plzOrt.find(' ');
    const std::string erstes = plzOrt.substr(0, leer);
    bool ziffer = false;
    for (char c : erstes) ziffer |= std::isdigit(static_cast<unsigned char>(c)) != 0;
    if (ziffer && leer != std::string::npos) {
        plz = erstes;
        ort = plzOrt.substr(leer + 1);
    } else if (ziffer) {
        plz = erstes;
    } else {
        ort = plzOrt;
    }
}

std::string Verbinde(const std::vector<std::string>& teile, const char* trenner) {
    std::string out;
    for (const std::string& t : teile) {
        if (t.empty()) continue;
        if (!out.empty()) out += trenner;
        out += t;
    }
    return out;
}

// "=C3=BC" decoded (vCard 2.1 ENCODING=QUOTED-PRINTABLE).
std::string OhneQp(const std::string& s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '=' && i + 2 < s.size() && std::isxdigit(static_cast<unsigned char>(s[i + 1])) &&
            std::isxdigit(static_cast<unsigned char>(s[i + 2]))) {
            out += char(std::strtol(s.substr(i + 1, 2).c_str(), nullptr, 16));
            i += 2;
        } else {
            out += s[i];
        }
    }
    return out;
}

// One card's lines in record fields.
class Karte {
public:
    void Zeile(const Inhaltszeile& z);
    bool Fertig(Adresse& a);  // false without any name
    bool Gekuerzt() const { return gekuerzt_; }

private:
    template <size_t N>
    void Setze(char (&feld)[N], const std::string& text) {
        gekuerzt_ |= text.size() > N - 1;
        Adresse::Setze(feld, text);
    }
    void Bemerkung(int label, const std::string& text) {
        if (!text.empty()) extra_.push_back(std::string(LoadResString(label)) + ": " + text);
    }

    std::string fn_, name_, anrede_, firma_, name2_, strasse_, plzOrt_, land_, telefon_, fax_, btx_, sort_, notiz_;
    uint16_t marken_ = 0;
    bool hatAdresse_ = false, gekuerzt_ = false;
    std::vector<std::string> extra_;
};

void Karte::Zeile(const Inhaltszeile& z) {
    std::string wert = z.Wert;
    if (Gross(z.Param("ENCODING")) == "QUOTED-PRINTABLE" || z.HatTyp("QUOTED-PRINTABLE")) wert = OhneQp(wert);
    const std::string cs = Gross(z.Param("CHARSET"));
    auto ansi = [&](const std::string& t) { return cs.empty() || cs == "UTF-8" ? AnsiAusUtf8(t) : t; };
    const std::vector<std::string> teile = TeileWert(wert, ';');
    auto teil = [&](size_t i) { return i < teile.size() ? ansi(teile[i]) : std::string(); };
    const std::string& n = z.Name;
    if (n == "FN") {
        fn_ = ansi(TextAusWert(wert));
    } else if (n == "N") {
        name_ = Verbinde({teil(1), teil(2), teil(0)}, " ");
        anrede_ = teil(3);
    } else if (n == "ORG") {
        firma_ = teil(0);
    } else if (n == "ADR") {
        const std::string ort = Verbinde({teil(5), teil(3)}, " ");
        if (hatAdresse_) {
            Bemerkung(IDS_VCARD_ADRESSE, Verbinde({teil(1), teil(2), ort, teil(6)}, ", "));
            return;
        }
        hatAdresse_ = true;
        name2_ = teil(1);
        strasse_ = teil(2);
        plzOrt_ = ort;
        land_ = teil(6);
    } else if (n == "TEL") {
        std::string nummer = ansi(TextAusWert(wert));
        if (nummer.compare(0, 4, "tel:") == 0) nummer.erase(0, 4);
        std::string& feld = z.HatTyp("FAX") ? fax_ : telefon_;
        if (feld.empty()) feld = nummer;
        else Bemerkung(IDS_VCARD_TELEFON, nummer);
    } else if (n == "EMAIL") {
        Bemerkung(IDS_VCARD_EMAIL, ansi(TextAusWert(wert)));
    } else if (n == "URL") {
        Bemerkung(IDS_VCARD_INTERNET, ansi(TextAusWert(wert)));
    } else if (n == "BDAY") {
        Bemerkung(IDS_VCARD_GEBURTSTAG, ansi(TextAusWert(wert)));
    } else if (n == "NOTE") {
        notiz_ = ansi(TextAusWert(wert));
    } else if (n == "SORT-STRING") {
        sort_ = ansi(TextAusWert(wert));
    } else if (n == "X-ORDIVO-BTX") {
        btx_ = ansi(TextAusWert(wert));
    } else if (n == "X-ORDIVO-MARKEN") {
        marken_ = uint16_t(std::strtoul(wert.c_str(), nullptr, 10) & 0xFF);
    }
}

bool Karte::Fertig(Adresse& a) {
    if (name_.empty() && fn_ != firma_) name_ = fn_;
    if (name_.empty() && firma_.empty()) return false;
    Setze(a.FIRMA, firma_);
    Setze(a.ANREDE, anrede_);
    Setze(a.NAME1, name_);
    Setze(a.NAME2, name2_);
    Setze(a.STRASSE, strasse_);
    Setze(a.PLZORT, plzOrt_);
    Setze(a.LAND, land_);
    Setze(a.TELEFON, telefon_);
    Setze(a.FAX, fax_);
    Setze(a.BTX, btx_);
    Adresse::Setze(a.SORT, sort_.empty() ? ClsAdrListe::Zeile(a, false) : sort_);  // as the address book makes it
    a.FLAGS = marken_;
    if (!notiz_.empty()) extra_.insert(extra_.begin(), notiz_);
    a.BEMERK = Verbinde(extra_, "\r\n");
    return true;
}
}  // namespace

std::string VCardAusAdressen(ClsAdrListe& adressen) {
    ZeilenSchreiber w;
    for (int i = 0; i < adressen.Anzahl(); ++i) {
        const Adresse& a = adressen.Satz(i);
        w.Zeile("BEGIN", "VCARD");
        w.Zeile("VERSION", "3.0");
        w.Zeile("FN", Text(a.NAME1[0] ? a.NAME1 : a.FIRMA[0] ? a.FIRMA : a.SORT));
        w.Zeile("N", Text(a.NAME1) + ";;;" + Text(a.ANREDE) + ";");
        if (a.FIRMA[0]) w.Zeile("ORG", Text(a.FIRMA));
        if (a.NAME2[0] || a.STRASSE[0] || a.PLZORT[0] || a.LAND[0]) {
            std::string plz, ort;
            TeilePlzOrt(a.PLZORT, plz, ort);
            w.Zeile("ADR", ";" + Text(a.NAME2) + ";" + Text(a.STRASSE) + ";" + Text(ort) + ";;" + Text(plz) + ";" +
                               Text(a.LAND));
        }
        if (a.TELEFON[0]) w.Zeile("TEL;TYPE=VOICE", Text(a.TELEFON));
        if (a.FAX[0]) w.Zeile("TEL;TYPE=FAX", Text(a.FAX));
        if (a.BTX[0]) w.Zeile("X-ORDIVO-BTX", Text(a.BTX));
        if (!a.BEMERK.empty()) w.Zeile("NOTE", Text(a.BEMERK));
        w.Zeile("SORT-STRING", Text(a.SORT));
        if (a.FLAGS) w.Zeile("X-ORDIVO-MARKEN", Format("%u", unsigned(a.FLAGS)));
        w.Zeile("END", "VCARD");
    }
    return w.Text();
}

VCardErgebnis LiesVCard(const std::string& text) {
    VCardErgebnis e;
    const Zeilenliste zl = ZerlegeZeilen(text);
    e.FehlerZeile = zl.FehlerZeile;
    bool offen = false;
    Karte karte;
    for (const Inhaltszeile& z : zl.Zeilen) {
        if (e.FehlerZeile) break;
        const bool begin = z.Name == "BEGIN" && Gross(z.Wert) == "VCARD";
        const bool end = z.Name == "END" && Gross(z.Wert) == "VCARD";
        if (begin ? offen : !offen) {
            e.FehlerZeile = z.Zeile;  // nested card, END without BEGIN, or a line outside a card
        } else if (begin) {
            offen = true;
            karte = Karte();
        } else if (end) {
            offen = false;
            Adresse a;
            if (karte.Fertig(a)) {
                e.Gekuerzt += karte.Gekuerzt();
                e.Adressen.push_back(std::move(a));
            } else {
                ++e.OhneName;
            }
        } else {
            karte.Zeile(z);
        }
    }
    if (offen || (zl.Zeilen.empty() && !e.FehlerZeile))
        e.FehlerZeile = zl.Zeilen.empty() ? 1 : zl.Zeilen.back().Zeile;
    if (e.FehlerZeile) e.Adressen.clear();
    return e;
}

std::string VCardBericht(const VCardErgebnis& e) {
    std::string text = AnzahlText(IDS_IMPORT_ADRESSEN, int(e.Adressen.size()));
    if (e.OhneName) text += "\n" + AnzahlText(IDS_IMPORT_OHNE_NAME, e.OhneName);
    if (e.Gekuerzt) text += "\n" + AnzahlText(IDS_IMPORT_FELDER_GEKUERZT, e.Gekuerzt);
    return text;
}

bool UebernimmAdressen(ClsAdrListe& liste, VCardErgebnis& e, std::vector<uint16_t> vergeben) {
    if (!FrageImport(IDS_ADRESSEN_IMPORTIEREN, int(e.Adressen.size()), VCardBericht(e))) return false;
    std::sort(vergeben.begin(), vergeben.end());
    vergeben.erase(std::unique(vergeben.begin(), vergeben.end()), vergeben.end());
    std::vector<uint16_t> neu;
    for (Adresse& a : e.Adressen) {
        a.ID = liste.NeueId(vergeben);
        if (a.ID == 0 || liste.EinfuegenSortiert(a) < 0) {
            for (uint16_t id : neu) {
                for (int i = 0; i < liste.Anzahl(); ++i)
                    if (liste.Satz(i).ID == id) {
                        liste.SetzeCursor(i);
                        liste.LoescheAktuelle();
                        break;
                    }
            }
            return false;
        }
        neu.push_back(a.ID);
    }
    MeldeImport(VCardBericht(e));
    return true;
}
