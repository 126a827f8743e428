// Time field checks and completion.
#include "dialogs/ZeitFeld.h"

#include <cctype>

bool ZeitZeichenGueltig(const std::string& text) {
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c)) && c != ':') return false;
    return true;
}

std::string ErgaenzeZeit(const std::string& text) {
    std::string out = text.size() == 1 ? "0" + text : text;
    if (out.size() == 2) out += ":00";
    return out;
}

bool ZeitImBereich(int stunde, int minute) {
    if (stunde < 0 || stunde > 24 || minute < 0 || minute > 59) return false;
    return stunde < 24 || minute == 0;
}
