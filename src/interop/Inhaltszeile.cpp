// Content lines of RFC 5545 and RFC 6350.
#include "interop/Inhaltszeile.h"

#include <cctype>
#include <cstring>

std::string Gross(std::string s) {
    for (char& c : s) c = char(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

std::string Inhaltszeile::Param(const char* name) const {
    for (const auto& p : Parameter)
        if (p.first == name) return p.second;
    return {};
}

bool Inhaltszeile::HatTyp(const char* typ) const {
    for (const auto& p : Parameter) {
        if (p.second.empty() && p.first == typ) return true;  // vCard 2.1: TEL;FAX:
        if (p.first != "TYPE") continue;
        for (const std::string& t : TeileWert(p.second, ','))
            if (Gross(t) == typ) return true;
    }
    return false;
}

namespace {
// One unfolded line: NAME *(;PARAM[=WERT[,WERT]]) : wert. False when there is no colon.
bool ZerlegeZeile(const std::string& s, Inhaltszeile& z) {
    size_t i = 0;
    while (i < s.size() && s[i] != ';' && s[i] != ':') ++i;
    if (i == s.size()) return false;
    z.Name = Gross(s.substr(0, i));
    const size_t punkt = z.Name.rfind('.');
    if (punkt != std::string::npos) z.Name.erase(0, punkt + 1);
    while (s[i] == ';') {
        const size_t anfang = ++i;
        while (i < s.size() && s[i] != '=' && s[i] != ';' && s[i] != ':') ++i;
        if (i == s.size()) return false;
        std::string name = Gross(s.substr(anfang, i - anfang)), wert;
        if (s[i] == '=') {
            ++i;
            bool inAnfz = false;
            for (; i < s.size() && (inAnfz || (s[i] != ';' && s[i] != ':')); ++i) {
                if (s[i] == '"') inAnfz = !inAnfz;
                else wert += s[i];
            }
            if (i == s.size()) return false;
        }
        z.Parameter.emplace_back(std::move(name), std::move(wert));
    }
    z.Wert = s.substr(i + 1);
    return !z.Name.empty();
}
}  // namespace

Zeilenliste ZerlegeZeilen(const std::string& text) {
    Zeilenliste out;
    std::string zeile;
    int nummer = 0, anfang = 0;
    auto fertig = [&]() {
        if (zeile.empty() || out.FehlerZeile) return;
        Inhaltszeile z;
        z.Zeile = anfang;
        if (ZerlegeZeile(zeile, z)) out.Zeilen.push_back(std::move(z));
        else out.FehlerZeile = anfang;
    };
    // Editors on Windows put a UTF-8 byte order mark in front.
    size_t pos = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    while (pos < text.size() && !out.FehlerZeile) {
        size_t ende = text.find('\n', pos);
        if (ende == std::string::npos) ende = text.size();
        size_t n = ende - pos;
        if (n > 0 && text[pos + n - 1] == '\r') --n;
        ++nummer;
        if (n > 0 && (text[pos] == ' ' || text[pos] == '\t') && !zeile.empty()) {
            zeile.append(text, pos + 1, n - 1);
        } else {
            fertig();
            zeile.assign(text, pos, n);
            anfang = nummer;
        }
        pos = ende + 1;
    }
    fertig();
    return out;
}

std::string TextAusWert(const std::string& wert) {
    std::string out;
    out.reserve(wert.size());
    for (size_t i = 0; i < wert.size(); ++i) {
        if (wert[i] != '\\' || i + 1 == wert.size()) {
            out += wert[i];
            continue;
        }
        const char c = wert[++i];
        if (c == 'n' || c == 'N') out += "\r\n";
        else out += c;
    }
    return out;
}

std::string WertAusText(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            out += "\\n";
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else if (c == '\n') {
            out += "\\n";
        } else {
            if (c == '\\' || c == ';' || c == ',') out += '\\';
            out += c;
        }
    }
    return out;
}

std::vector<std::string> TeileWert(const std::string& wert, char trenner) {
    std::vector<std::string> teile;
    size_t anfang = 0;
    for (size_t i = 0; i <= wert.size(); ++i) {
        if (i + 1 < wert.size() && wert[i] == '\\') {
            ++i;  // an escaped character never separates
            continue;
        }
        if (i == wert.size() || wert[i] == trenner) {
            teile.push_back(TextAusWert(wert.substr(anfang, i - anfang)));
            anfang = i + 1;
        }
    }
    return teile;
}

void ZeilenSchreiber::Zeile(const std::string& kopf, const std::string& wert) {
    const std::string zeile = kopf + ":" + wert;
    size_t inZeile = 0;
    for (size_t i = 0; i < zeile.size();) {
        // A whole UTF-8 sequence goes on one line.
        size_t n = 1;
        while (i + n < zeile.size() && (static_cast<unsigned char>(zeile[i + n]) & 0xC0) == 0x80) ++n;
        if (inZeile + n > 75) {
            text_ += "\r\n ";
            inZeile = 1;
        }
        text_.append(zeile, i, n);
        inZeile += n;
        i += n;
    }
    text_ += "\r\n";
}
