// BackupName and DialogFilter.
#include "core/FileNames.h"

std::string BackupName(const std::string& path) {
    const size_t slash = path.find_last_of("\\/:");
    const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || dot < nameStart) return path + ".BAK";
    return path.substr(0, dot) + ".BAK";
}

std::string DialogFilter(const std::string& text) {
    if (text.empty()) return std::string(2, '\0');
    std::string filter = text;
    const char separator = text.back();
    for (char& c : filter)
        if (c == separator) c = '\0';
    filter += '\0';  // the list ends with two zeros
    return filter;
}
