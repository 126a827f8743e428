// Parser of the readable holiday table (see data/feiertage.txt for the syntax).
#include "holidays/tools/FeiertagQuelle.h"

#include "store/Zeitpunkt.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <vector>

namespace {
std::string Trim(const std::string& s) {
    const size_t a = s.find_first_not_of(" \t\r");
    if (a == std::string::npos) return {};
    return s.substr(a, s.find_last_not_of(" \t\r") - a + 1);
}

std::vector<std::string> Teile(const std::string& s, char trenner) {
    std::vector<std::string> teile;
    std::stringstream in(s);
    std::string teil;
    while (std::getline(in, teil, trenner)) teile.push_back(Trim(teil));
    if (!s.empty() && s.back() == trenner) teile.emplace_back();
    return teile;
}

std::vector<std::string> Woerter(const std::string& s) {
    std::vector<std::string> woerter;
    std::stringstream in(s);
    std::string wort;
    while (in >> wort) woerter.push_back(wort);
    return woerter;
}

// A whole decimal number in [min, max].
bool Zahl(const std::string& s, long min, long max, int& wert) {
    if (s.empty()) return false;
    char* ende = nullptr;
    const long v = std::strtol(s.c_str(), &ende, 10);
    if (*ende != '\0' || v < min || v > max) return false;
    wert = static_cast<int>(v);
    return true;
}

// UTF-8 to Windows-1252 for printable ASCII and U+00A0..U+00FF.
bool NachCp1252(const std::string& utf8, std::string& aus) {
    aus.clear();
    for (size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c >= 0x20 && c < 0x7F) {
            aus += static_cast<char>(c);
            continue;
        }
        if ((c != 0xC2 && c != 0xC3) || i + 1 == utf8.size()) return false;
        const auto f = static_cast<unsigned char>(utf8[++i]);
        if ((f & 0xC0) != 0x80) return false;
        const int punkt = (c & 0x1F) << 6 | (f & 0x3F);
        if (punkt < 0xA0) return false;
        aus += static_cast<char>(punkt);
    }
    return true;
}

bool Name(const std::string& utf8, char* feld, size_t max, std::string& fehler) {
    std::string text;
    if (!NachCp1252(utf8, text)) {
        fehler = "name \"" + utf8 + "\" has characters outside Latin-1";
        return false;
    }
    if (text.size() > max) {
        fehler = "name \"" + utf8 + "\" is longer than " + std::to_string(max) + " characters";
        return false;
    }
    std::memcpy(feld, text.data(), text.size());
    return true;
}

bool Regel(const std::string& text, Feiertag& e, std::string& fehler) {
    const std::vector<std::string> w = Woerter(text);
    int a = 0, b = 0, c = 0;
    if (w.size() == 2 && w[0] == "fest") {
        const std::vector<std::string> datum = Teile(w[1], '.');
        if (datum.size() == 2 && Zahl(datum[1], 1, 12, b) &&
            Zahl(datum[0], 1, TageImMonat(2000, b), a)) {
            e.Art = FeiertagArt::Fest;
            e.Regel = RegelFest(b, a);
            return true;
        }
    } else if (w.size() == 2 && (w[0] == "ostern" || w[0] == "weihnachten") &&
               Zahl(w[1], INT16_MIN, INT16_MAX, a)) {
        e.Art = w[0] == "ostern" ? FeiertagArt::Ostern : FeiertagArt::Weihnachten;
        e.Regel = RegelVersatz(a);
        return true;
    } else if (w.size() == 4 && w[0] == "wochentag" && Zahl(w[1], 1, 5, a) &&
               Zahl(w[2], 1, 7, b) && Zahl(w[3], 1, 12, c)) {
        e.Art = FeiertagArt::Wochentag;
        e.Regel = RegelWochentag(a, b, c);
        return true;
    }
    fehler = "bad rule \"" + text + "\"";
    return false;
}

bool Jahre(const std::string& text, int& von, int& bis, std::string& fehler) {
    const std::vector<std::string> teile = Teile(text, '-');
    if (teile.size() == 2 && Zahl(teile[0], 0, INT16_MAX, von) &&
        Zahl(teile[1], von, INT16_MAX, bis))
        return true;
    fehler = "bad year range \"" + text + "\"";
    return false;
}

bool Eintrag(const std::string& zeile, Feiertag& e, std::string& fehler) {
    const std::vector<std::string> f = Teile(zeile, '|');
    if (f.size() != 5) {
        fehler = "expected 5 fields separated by |";
        return false;
    }
    if (f[0].empty()) {
        fehler = "empty short name";
        return false;
    }
    int von = 0, bis = 0, von2 = 0, bis2 = 0;
    const bool gesetzlich = f[4] != "-";
    if (!Name(f[0], e.Kurzname, KurznameMax, fehler) ||
        !Name(f[1], e.Langname, LangnameMax, fehler) || !Regel(f[2], e, fehler) ||
        !Jahre(f[3], von, bis, fehler) || (gesetzlich && !Jahre(f[4], von2, bis2, fehler)))
        return false;
    e.Status = FeiertagStatus::Aktiv | (gesetzlich ? FeiertagStatus::Gesetzlich : 0);
    e.VonJahr = static_cast<int16_t>(von);
    e.BisJahr = static_cast<int16_t>(bis);
    e.VonJahr2 = static_cast<int16_t>(von2);
    e.BisJahr2 = static_cast<int16_t>(bis2);
    return true;
}
}  // namespace

bool LeseFeiertagQuelle(const std::string& text, FeiertagTabelle& tabelle, std::string& fehler) {
    tabelle = FeiertagTabelle{};
    std::stringstream in(text);
    std::string zeile;
    int nummer = 0, anzahl = 0;
    while (std::getline(in, zeile)) {
        ++nummer;
        zeile = Trim(zeile);
        if (zeile.empty() || zeile[0] == '#') continue;
        std::string problem;
        if (anzahl == MaxFeiertage) {
            problem = "more than " + std::to_string(MaxFeiertage) + " entries";
        } else if (Eintrag(zeile, tabelle.Eintrag[anzahl], problem)) {
            ++anzahl;
            continue;
        }
        fehler = "line " + std::to_string(nummer) + ": " + problem;
        return false;
    }
    return true;
}
