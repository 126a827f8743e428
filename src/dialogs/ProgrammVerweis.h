// The program reference of a description: "#[" followed by a program path (and arguments)
// up to "]"; such an appointment starts the program when its warning falls due.
#pragma once
#include <string>

// True when text contains "#[".
bool HatProgrammMarke(const std::string& text);
// The command line after "#[": the text up to "]" or the end. False without "#[".
bool ProgrammZeile(const std::string& text, std::string& zeile);
// The file name after "#[": the text up to "]" (or the end), cut at its last blank unless
// that blank is the first character. False without "#[".
bool ProgrammName(const std::string& text, std::string& name);
// The file opens for reading (relative names against the current directory).
bool DateiLesbar(const std::string& name);
