// Minimal parser for STRINGTABLE blocks: lines of the form `  1234, "text"` or `  NAME, "text"`
// with the escapes \n, \t, \\ and \". The scripts are UTF-8 (code page 65001); strings are
// returned in Windows-1252 like LoadStringA. Names come from the `#define NAME number` lines of the headers the scripts include.
#include "support/RcStringTable.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

namespace {
// UTF-8 to Windows-1252; characters without a 1252 form become '?'.
std::string Utf8To1252(const std::string& in) {
    static const unsigned short high[32] = {
        0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    std::string out;
    for (size_t i = 0; i < in.size();) {
        const unsigned char c = static_cast<unsigned char>(in[i++]);
        const int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;  // a stray continuation byte stays
        unsigned cp = extra ? c & (0x3F >> extra) : c;
        for (int k = 0; k < extra && i < in.size(); ++k) cp = (cp << 6) | (static_cast<unsigned char>(in[i++]) & 0x3F);
        const auto* mapped = cp ? std::find(std::begin(high), std::end(high), cp) : std::end(high);
        out += cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF) ? char(cp) : mapped != std::end(high) ? char(0x80 + (mapped - high)) : '?';
    }
    return out;
}

bool IsNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The texts of all resources/*.rc files.
std::vector<std::string> ReadScripts(const std::string& sourceDir) {
    std::vector<std::string> scripts;
    for (const auto& e : std::filesystem::directory_iterator(sourceDir + "/resources"))
        if (e.path().extension() == ".rc") scripts.push_back(ReadFile(e.path().string()));
    return scripts;
}

size_t SkipSpace(const std::string& s, size_t i) {
    while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i]))) ++i;
    return i;
}

// Reads a quoted literal starting at s[i] == '"'; returns the index after it.
size_t ReadLiteral(const std::string& s, size_t i, std::string& out) {
    for (++i; i < s.size();) {
        const char c = s[i++];
        if (c == '"') return i;
        if (c != '\\' || i >= s.size()) {
            out += c;
            continue;
        }
        const char e = s[i++];
        out += e == 'n' ? '\n' : e == 't' ? '\t' : e;  // \\ and \" stand for themselves
    }
    return i;
}
}  // namespace

void ParseDefines(const std::string& text, RcNames& out) {
    std::istringstream lines(text);
    std::string line, hash, name, value;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        if (!(words >> hash >> name >> value) || hash != "#define") continue;
        if (std::isdigit(static_cast<unsigned char>(value[0]))) out[name] = std::stoi(value);
    }
}

void ParseRcStringTables(const std::string& text, RcStrings& out, const RcNames& names) {
    size_t pos = 0;
    while ((pos = text.find("STRINGTABLE", pos)) != std::string::npos) {
        size_t begin = text.find("BEGIN", pos);
        if (begin == std::string::npos) return;
        size_t i = begin + 5;
        for (;;) {
            i = SkipSpace(text, i);
            if (i >= text.size() || (text.compare(i, 3, "END") == 0 && !IsNameChar(text[i + 3]))) break;
            if (text.compare(i, 2, "//") == 0) { i = text.find('\n', i); continue; }
            size_t idEnd = i;
            while (idEnd < text.size() && IsNameChar(text[idEnd])) ++idEnd;
            const std::string token = text.substr(i, idEnd - i);
            const auto named = names.find(token);
            const bool number = !token.empty() && std::isdigit(static_cast<unsigned char>(token[0]));
            if (!number && named == names.end()) {
                i = text.find('\n', i);
                if (i == std::string::npos) break;
                continue;
            }
            const int id = number ? std::stoi(token) : named->second;
            i = SkipSpace(text, idEnd);
            if (i < text.size() && text[i] == ',') i = SkipSpace(text, i + 1);
            std::string value;
            while (i < text.size() && text[i] == '"') {  // adjacent literals concatenate
                i = SkipSpace(text, ReadLiteral(text, i, value));
            }
            out[id] = Utf8To1252(value);
        }
        pos = i;
    }
}

RcNames ReadRcNames(const std::string& sourceDir) {
    RcNames names;
    for (const std::string& script : ReadScripts(sourceDir)) {
        std::istringstream lines(script);
        std::string line;
        while (std::getline(lines, line)) {
            const size_t open = line.find('"');
            if (line.compare(0, 9, "#include ") != 0 || open == std::string::npos) continue;
            const size_t close = line.find('"', open + 1);
            const std::string header = line.substr(open + 1, close - open - 1);
            if (header.size() > 2 && header.compare(header.size() - 2, 2, ".h") == 0)
                ParseDefines(ReadFile(sourceDir + "/src/" + header), names);
        }
    }
    return names;
}

RcStrings ReadRcStrings(const std::string& sourceDir) {
    const RcNames names = ReadRcNames(sourceDir);
    RcStrings strings;
    for (const std::string& script : ReadScripts(sourceDir)) ParseRcStringTables(script, strings, names);
    return strings;
}
