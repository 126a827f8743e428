// Font heights, default file name and the colour sample.
#include "dialogs/DarstellungRegeln.h"

#include "core/ResString.h"
#include "core/ResourceIds.h"
#include "settings/Appearance.h"

#include <cstdlib>

namespace {
// A signed decimal number with optional blanks around it, as a signed integer field reads.
bool LiesZahl(const std::string& text, int& out) {
    const char* p = text.c_str();
    while (*p == ' ') ++p;
    char* ende = nullptr;
    const long wert = std::strtol(p, &ende, 10);
    if (ende == p || wert < -100000 || wert > 100000) return false;
    while (*ende == ' ') ++ende;
    if (*ende != '\0') return false;
    out = int(wert);
    return true;
}

// The heights the dialog accepts, whatever the limits in use are.
constexpr int KleinsteErlaubt = 6, GroessteErlaubt = 24;

bool ImBereich(const std::string& text, int& out) {
    return LiesZahl(text, out) && out >= KleinsteErlaubt && out <= GroessteErlaubt;
}

unsigned char Klein(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;
    if (c == 0x8A || c == 0x8C || c == 0x8E) return c + 0x10;  // Š Œ Ž
    if (c == 0x9F) return 0xFF;                               // Ÿ
    return c;
}
}  // namespace

int PruefeSchriftHoehen(const std::string& kleinste, const std::string& groesste, int& min, int& max) {
    int a = 0, b = 0;
    if (!ImBereich(kleinste, a) || !ImBereich(groesste, b)) return IDS_SCHRIFTHOEHE_BEREICH;
    if (a > b) return IDS_SCHRIFTHOEHE_MIN_MAX;
    min = a;
    max = b;
    return 0;
}

std::string VorgabeDateiname(const std::string& text) {
    if (text.empty()) return text;
    std::string name = text;
    for (char& c : name) c = char(Klein(static_cast<unsigned char>(c)));
    if (name.find('.') == std::string::npos) name += ".odv";
    return name;
}

void DrawColourSample(Canvas& canvas, const ColourTable& farben, int w, int h) {
    canvas.FillRect(0, 0, w, h, farben.Colour(RoleHintergrund));
    const FontSpec kopf{h / 7, 700, FontFamily::Swiss};
    const FontSpec zeile{h / 10, 700, FontFamily::Swiss};
    const int rand = w / 20 + 1;
    canvas.DrawText(rand, h / 20, LoadResString(IDS_SA), TextStyle{kopf, farben.Colour(RoleWochentage)});
    canvas.DrawText(w / 2 + rand, h / 20, LoadResString(IDS_SO), TextStyle{kopf, farben.Colour(RoleFeiertage)});
    const int rollen[] = {RoleTermineErledigt, RoleTermineWeniger, RoleTermineNormal, RoleTermineWichtig,
                          RoleTermineSehrWichtig};
    int y = h / 20 + kopf.Height + h / 20;
    for (int i = 0; i < 5; ++i, y += zeile.Height + h / 40)
        canvas.DrawText(rand, y, LoadResString(IDS_MUSTER_ERLEDIGT + i), TextStyle{zeile, farben.Colour(rollen[i])});
}
