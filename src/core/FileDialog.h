// Set-up of the common file dialogs: the zero-separated filter of a resource text, the first
// filter chosen, buffers of 80 characters for the path and 256 for the title.
#pragma once
#include "core/FileNames.h"
#include "core/Host.h"
#include "core/ResourceIds.h"

#include <windows.h>
#include <cderr.h>
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
    // Runs the open or save dialog. A chosen path too long for the buffer makes the dialog
    // return nothing; that is reported instead of doing nothing.
    bool Show(bool save) {
        if (save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn)) return true;
        if (CommDlgExtendedError() == FNERR_BUFFERTOOSMALL) Message(IDS_PFAD_ZU_LANG, 0, Mb::IconExclamation);
        return false;
    }
    FileDialog(const FileDialog&) = delete;  // ofn points into the members
    FileDialog& operator=(const FileDialog&) = delete;
};
