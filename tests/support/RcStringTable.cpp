// Minimal parser for STRINGTABLE blocks: lines of the form `  1234, "text"` or `  NAME, "text"`
// with C escapes (\n, \t, \\, \", octal) and the resource compiler's doubled quote "". The
// scripts are UTF-8 (compiled with code page 65001); strings are returned in Windows-1252 like
// LoadStringA. Names come from the `#define NAME number` lines of the headers the scripts include.
#include "support/RcStringTable.h"

#include <cctype>
#include <dirent.h>
#include <fstream>
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
        unsigned char c = static_cast<unsigned char>(in[i]);
        unsigned cp = c;
        int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
        if (c >= 0x80 && c < 0xC0) extra = 0;  // stray continuation byte: keep as is
        else cp = extra ? (c & (0x3F >> extra)) : c;
        ++i;
        for (int k = 0; k < extra && i < in.size(); ++k, ++i)
            cp = (cp << 6) | (static_cast<unsigned char>(in[i]) & 0x3F);
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) { out += static_cast<char>(cp); continue; }
        char mapped = '?';
        for (int k = 0; k < 32; ++k)
            if (high[k] == cp && cp) mapped = static_cast<char>(0x80 + k);
        out += mapped;
    }
    return out;
}

bool IsNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// The texts of all resources/*.rc files.
std::vector<std::string> ReadScripts(const std::string& sourceDir) {
    std::vector<std::string> scripts;
    const std::string dir = sourceDir + "/resources";
    if (DIR* d = opendir(dir.c_str())) {
        while (dirent* e = readdir(d)) {
            std::string name = e->d_name;
            if (name.size() > 3 && name.compare(name.size() - 3, 3, ".rc") == 0)
                scripts.push_back(ReadFile(dir + "/" + name));
        }
        closedir(d);
    }
    return scripts;
}

size_t SkipSpace(const std::string& s, size_t i) {
    while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i]))) ++i;
    return i;
}

// Reads a quoted literal starting at s[i] == '"'; returns the index after it.
size_t ReadLiteral(const std::string& s, size_t i, std::string& out) {
    ++i;
    while (i < s.size()) {
        char c = s[i++];
        if (c == '"') {
            if (i < s.size() && s[i] == '"') { out += '"'; ++i; continue; }
            return i;
        }
        if (c != '\\' || i >= s.size()) { out += c; continue; }
        char e = s[i++];
        switch (e) {
        case 'n': out += '\n'; break;
        case 't': out += '\t'; break;
        case 'r': out += '\r'; break;
        case 'a': out += '\a'; break;
        case '\\': out += '\\'; break;
        case '"': out += '"'; break;
        default:
            if (e >= '0' && e <= '7') {
                int v = e - '0';
                for (int k = 0; k < 2 && i < s.size() && s[i] >= '0' && s[i] <= '7'; ++k)
                    v = v * 8 + (s[i++] - '0');
                out += static_cast<char>(v);
            } else {
                out += '\\';
                out += e;
            }
        }
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
