// Program reference extraction and the existence check.
#include "dialogs/ProgrammVerweis.h"

#include <fstream>

namespace {
constexpr const char* Marke = "#[";
}

bool HatProgrammMarke(const std::string& text) { return text.find(Marke) != std::string::npos; }

bool ProgrammZeile(const std::string& text, std::string& zeile) {
    const size_t marke = text.find(Marke);
    if (marke == std::string::npos) return false;
    const size_t anfang = marke + 2;
    const size_t ende = text.find(']', anfang);
    zeile = text.substr(anfang, ende == std::string::npos ? std::string::npos : ende - anfang);
    return true;
}

bool ProgrammName(const std::string& text, std::string& name) {
    if (!ProgrammZeile(text, name)) return false;
    const size_t blank = name.rfind(' ');
    if (blank != std::string::npos && blank > 0) name.erase(blank);
    return true;
}

bool DateiLesbar(const std::string& name) { return std::ifstream(name, std::ios::binary).is_open(); }
