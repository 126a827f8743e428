// Set-up of the common file dialogs: the zero-separated filter of a resource text, the first
// filter chosen, buffers of 80 characters for the path and 256 for the title.
#pragma once
#include "core/FileNames.h"

#include <windows.h>
#include <commdlg.h>

#include <string>

struct FileDialog {
    OPENFILENAMEA ofn{};
    char file[80] = {};
    char title[256] = {};
    std::string filter;
    std::string initialDir;

    FileDialog(HWND owner, const std::string& filterText, std::string directory)
        : filter(DialogFilter(filterText)), initialDir(std::move(directory)) {
        ofn.lStructSize = sizeof ofn;
        ofn.hwndOwner = owner;
        ofn.lpstrFilter = filter.c_str();
        ofn.nFilterIndex = 1;
        ofn.lpstrFile = file;
        ofn.nMaxFile = sizeof file;
        ofn.lpstrFileTitle = title;
        ofn.nMaxFileTitle = sizeof title;
        ofn.lpstrInitialDir = initialDir.c_str();
    }
    FileDialog(const FileDialog&) = delete;  // ofn points into the members
    FileDialog& operator=(const FileDialog&) = delete;
};
