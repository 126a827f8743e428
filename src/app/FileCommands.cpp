// File commands of the calendar window: new, open, save, save as / export, and the save
// with backup that the close query also uses.
#include "app/ClsMainWindow.h"
#include "core/FileDialog.h"
#include "core/FileNames.h"
#include "core/Host.h"
#include "core/ProgramPath.h"
#include "core/ResString.h"
#include "core/ResourceIds.h"
#include "document/KalenderDatei.h"
#include "store/Passwort.h"

namespace {
bool FileExists(const std::string& path) {
    const DWORD attr = GetFileAttributesA(path.c_str());
    return attr != INVALID_FILE_ATTRIBUTES && !(attr & FILE_ATTRIBUTE_DIRECTORY);
}
}  // namespace

void ClsMainWindow::AfterFileChange() {
    CommitEdit();
    Invalidate(true);
    SetTitle();
    PlanNextWarning();
}

void ClsMainWindow::CmNew(UINT) {
    if (!CanClose()) return;
    if (settings_.AutoSave) PostMessageA(Handle(), WM_COMMAND, CM_AUTOSPEICHERN, 0);  // no name: no auto-save
    doc_.Neu();
    AfterFileChange();
}

void ClsMainWindow::CmOpen(UINT) {
    if (!CanClose()) return;
    FileDialog dlg(Handle(), "Ordivo (*.odv)|*.odv|", ProgramDirectory());
    dlg.ofn.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    if (!dlg.Show(false)) return;
    doc_.Dateiname = dlg.file;
    const Ladeausgang ausgang = doc_.Laden();
    if (ausgang != Ladeausgang::Ok) doc_.Dateiname.clear();
    if (ausgang == Ladeausgang::NeueDatei) GetHost().PostCommand(CM_NEU);
    AfterFileChange();
}

void ClsMainWindow::CmSave(UINT) {
    if (doc_.Leer()) {
        Message(IDS_NICHTS_ZU_SPEICHERN, IDS_TITEL_SPEICHERN, Mb::IconExclamation);
        return;
    }
    if (!doc_.Dateiname.empty()) SpeichereDatei(ModusKalender);
    else PostMessageA(Handle(), WM_COMMAND, CM_SPEICHERN_UNTER, 0);
}

void ClsMainWindow::CmSaveAs(UINT) {
    if (doc_.Liste.Anzahl() == 0) {
        Message(doc_.AdrListe.Anzahl() == 0 ? IDS_UNTER_NICHTS_ZU_SPEICHERN : IDS_NUR_ADRESSEN, IDS_TITEL_SPEICHERN,
                Mb::IconExclamation);
        return;
    }
    FileDialog dlg(Handle(), LoadResString(IDS_KALENDER_FILTER), ProgramDirectory());
    dlg.ofn.lpstrDefExt = "odv";
    dlg.ofn.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
    if (!dlg.Show(true)) return;
    const std::string chosen = dlg.file;
    if (FileExists(chosen)) {
        if (Message(IDS_DATEI_UEBERSCHREIBEN, IDS_TITEL_FRAGE, Mb::YesNo | Mb::IconExclamation | Mb::TaskModal) !=
            Mb::IdYes) {
            PostMessageA(Handle(), WM_COMMAND, CM_SPEICHERN_UNTER, 0);  // choose again
            return;
        }
        if (!PruefeDateiPasswort(chosen, doc_.Liste)) return;
    }
    const int mode = static_cast<int>(dlg.ofn.nFilterIndex);
    if (mode == ModusKalender || mode < ModusKalender || mode > ModusAdressExport) {
        doc_.Dateiname = chosen;
        SpeichereDatei(ModusKalender);
        SetTitle();
        return;
    }
    // An export writes elsewhere; the open file stays the same.
    SpeichereDatei(mode, chosen);
}

bool ClsMainWindow::SpeichereDatei(int mode) { return SpeichereDatei(mode, doc_.Dateiname); }

bool ClsMainWindow::SpeichereDatei(int mode, const std::string& pfad) {
    if (mode == ModusKalender && doc_.Liste.Anzahl() == 0 && doc_.AdrListe.Anzahl() != 0) {
        Message(IDS_NUR_ADRESSEN, IDS_TITEL_SPEICHERN, Mb::IconExclamation);
        return false;
    }
    GetHost().WaitCursor(true);
    SendMessageA(Handle(), Msg::StatusText, 0, reinterpret_cast<LPARAM>(LoadResString(IDS_DATEI_WIRD_GESPEICHERT)));
    if (mode != ModusKalender && doc_.Liste.Passwort[0] &&
        Message(IDS_EXPORT_UNGESCHUETZT, IDS_TITEL_FRAGE, Mb::YesNo | Mb::IconExclamation | Mb::TaskModal) !=
            Mb::IdYes) {
        GetHost().WaitCursor(false);
        SendMessageA(Handle(), Msg::StatusText, 0, 0);
        return false;
    }
    const bool ok = SpeichereMitSicherung(doc_, pfad, mode);
    GetHost().WaitCursor(false);
    SendMessageA(Handle(), Msg::StatusText, 0, 0);
    return ok;
}
