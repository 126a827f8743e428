// Reads the STRINGTABLE blocks of the resource scripts (Windows-1252 text), so native tests
// use the very strings that ORDIVO.DLL is built from. String ids may be numbers or names
// that a `#define NAME number` of an included header gives.
#pragma once
#include <map>
#include <string>

using RcStrings = std::map<int, std::string>;
using RcNames = std::map<std::string, int>;

// Parses all resources/*.rc files below `sourceDir`, with the names of the headers they
// include from src/. Unknown escape sequences are kept literally.
RcStrings ReadRcStrings(const std::string& sourceDir);
// The names the resource scripts include from src/.
RcNames ReadRcNames(const std::string& sourceDir);
// Collects the `#define NAME number` lines of a header's text.
void ParseDefines(const std::string& text, RcNames& out);
// Parses one script's text; ids that are neither numbers nor in `names` are skipped.
void ParseRcStringTables(const std::string& text, RcStrings& out, const RcNames& names = {});
