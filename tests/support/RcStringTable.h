// Reads the STRINGTABLE blocks of the resource scripts (Windows-1252 text), so native tests
// use the very strings that ORDIVO.DLL is built from.
#pragma once
#include <map>
#include <string>

using RcStrings = std::map<int, std::string>;

// Parses all resources/*.rc files below `sourceDir`. Unknown escape sequences are kept literally.
RcStrings ReadRcStrings(const std::string& sourceDir);
// Parses one script's text.
void ParseRcStringTables(const std::string& text, RcStrings& out);
