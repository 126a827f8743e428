// VorwarnFenster: notice dialog, sndPlaySound and MessageBeep for the scheduler.
#include "reminders/VorwarnFenster.h"

#include "app/AppState.h"
#include "app/ClsDecoratedFrame.h"
#include "app/Startup.h"
#include "dialogs/ClsVorwarnDlg.h"
#include "framework/Window.h"

#include <mmsystem.h>

void VorwarnFenster::Hinweis(int slot) { ZeigeVorwarnung(kalender_.Handle(), liste_, slot, ::Jetzt()); }

void VorwarnFenster::Uhr(const std::string& text) {
    if (app::MainFrame) app::MainFrame->SetClockText(text);
}

void VorwarnFenster::Neuzeichnen() {
    EndInPlaceEditing();
    if (kalender_.Handle()) InvalidateRect(kalender_.Handle(), nullptr, TRUE);
}

void VorwarnFenster::Ton(const std::string& datei) {
    if (datei.empty()) {
        for (int i = 0; i < 3; ++i) MessageBeep(0);
        return;
    }
    // Synchronous; a file that cannot be played gives the system's default sound.
    sndPlaySoundA(datei.c_str(), SND_SYNC);
}
