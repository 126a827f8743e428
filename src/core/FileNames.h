// Names the file commands derive: the backup name of a saved file and the zero-separated
// file-type filters of the common dialogs.
#pragma once
#include <string>

// The path with the extension of its last component replaced by ".BAK", or ".BAK"
// appended when that component has no dot.
std::string BackupName(const std::string& path);

// A filter text whose last character is its separator, with every occurrence of that
// character replaced by a zero byte (the result keeps its embedded zeros).
std::string DialogFilter(const std::string& text);
