// File commands of the calendar window: new, open, save, save as / export, and the save
// with backup that the close query also uses.
#include "addresses/ClsAdrListe.h"
#include "app/AppState.h"
#include "app/ClsMainWindow.h"
#include "app/FileNames.h"
#include "app/Host.h"
#include "app/ResString.h"
#include "app/Startup.h"
#include "store/ClsListe.h"
#include "store/KalenderDatei.h"
#include "store/Passwort.h"

#include <commdlg.h>

namespace {
bool FileExists(const std::string& path) {
    const DWORD attr = GetFileAttributesA(path.c_str());
    return attr != INVALID_FILE_ATTRIBUTES && !(attr & FILE_ATTRIBUTE_DIRECTORY);
}

// File dialog buffers: 80 characters for the path, 256 for the title.
struct FileDialog {
    OPENFILENAMEA ofn{};
    char file[80] = {};
    char title[256] = {};
    std::string filter;

    FileDialog(HWND owner, const std::string& filterText) : filter(DialogFilter(filterText)) {
        ofn.lStructSize = sizeof ofn;
        ofn.hwndOwner = owner;
        ofn.lpstrFilter = filter.c_str();
        ofn.nFilterIndex = 1;
        ofn.lpstrFile = file;
        ofn.nMaxFile = sizeof file;
        ofn.lpstrFileTitle = title;
        ofn.nMaxFileTitle = sizeof title;
        ofn.lpstrInitialDir = app::ProgramDir.c_str();
    }
};
}  // namespace

void ClsMainWindow::AfterFileChange() {
    EndInPlaceEditing();
    Invalidate(true);
    SetTitle();
    PlanNextWarning();
}

void ClsMainWindow::CmNew(UINT) {
    if (!CanClose()) return;
    Dateiname.clear();
    if (TheSettings.AutoSave) PostMessageA(Handle(), WM_COMMAND, 405, 0);  // no name: no auto-save
    Liste.Leeren();
    Liste.Initialisieren([] { return false; });
    AdrListe.Leeren();
    AdrListe.Initialisieren();
    AfterFileChange();
}

void ClsMainWindow::CmOpen(UINT) {
    if (!CanClose()) return;
    FileDialog dlg(Handle(), "Ordivo (*.odv)|*.odv|");
    dlg.ofn.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    if (!GetOpenFileNameA(&dlg.ofn)) return;
    Dateiname = dlg.file;
    if (!Liste.Laden()) Dateiname.clear();
    AfterFileChange();
}

void ClsMainWindow::CmSave(UINT) {
    if (Liste.Anzahl() == 0 && AdrListe.Anzahl() == 0) {
        Message(1109, 1110, Mb::IconExclamation);
        return;
    }
    if (!Dateiname.empty()) SpeichereDatei(ModusKalender);
    else PostMessageA(Handle(), WM_COMMAND, 104, 0);
}

void ClsMainWindow::CmSaveAs(UINT) {
    if (Liste.Anzahl() == 0) {
        Message(AdrListe.Anzahl() == 0 ? 1116 : 1117, 1110, Mb::IconExclamation);
        return;
    }
    FileDialog dlg(Handle(), LoadResString(1229));
    dlg.ofn.lpstrDefExt = "odv";
    dlg.ofn.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
    if (!GetSaveFileNameA(&dlg.ofn)) return;
    const std::string chosen = dlg.file;
    if (FileExists(chosen)) {
        if (Message(1118, 1112, Mb::YesNo | Mb::IconExclamation | Mb::TaskModal) != Mb::IdYes) {
            PostMessageA(Handle(), WM_COMMAND, 104, 0);  // choose again
            return;
        }
        if (!PruefeDateiPasswort(chosen)) return;
    }
    const int mode = static_cast<int>(dlg.ofn.nFilterIndex);
    if (mode == ModusKalender || mode < ModusKalender || mode > ModusAdressExport) {
        Dateiname = chosen;
        SpeichereDatei(ModusKalender);
        SetTitle();
        return;
    }
    // An export writes elsewhere; the open file stays the same.
    const std::string kept = Dateiname;
    Dateiname = chosen;
    SpeichereDatei(mode);
    Dateiname = kept;
}

bool ClsMainWindow::SpeichereDatei(int mode) {
    if (mode == ModusKalender && Liste.Anzahl() == 0 && AdrListe.Anzahl() != 0) {
        Message(1117, 1110, Mb::IconExclamation);
        return false;
    }
    GetHost().WaitCursor(true);
    SendMessageA(Handle(), Msg::StatusText, 0, reinterpret_cast<LPARAM>(LoadResString(1227)));
    if (mode != ModusKalender && Liste.Passwort[0] &&
        Message(1111, 1112, Mb::YesNo | Mb::IconExclamation | Mb::TaskModal) != Mb::IdYes) {
        GetHost().WaitCursor(false);
        SendMessageA(Handle(), Msg::StatusText, 0, 0);
        return false;
    }
    const bool ok = SpeichereMitSicherung(Dateiname, mode);
    GetHost().WaitCursor(false);
    SendMessageA(Handle(), Msg::StatusText, 0, 0);
    return ok;
}
