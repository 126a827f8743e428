// Windows-1252, the program's character set, to and from UTF-8, the character set of the
// iCalendar and vCard files.
#pragma once
#include <string>

std::string Utf8AusAnsi(const std::string& ansi);
// Characters that Windows-1252 lacks become '?'. A byte that does not start a valid UTF-8
// sequence is taken as a Windows-1252 character, so older files in that set read right too.
std::string AnsiAusUtf8(const std::string& utf8);
