// The Win32 side of the reminder scheduler: the notice as a modal dialog over the calendar
// window, WAV sounds and system beeps, and the clock and repaint of the calendar.
#pragma once
#include "reminders/VorwarnPlaner.h"

class Window;

class VorwarnFenster : public VorwarnAnzeige {
public:
    VorwarnFenster(ClsListe& liste, Window& kalender) : liste_(liste), kalender_(kalender) {}

    void Hinweis(int slot) override;
    void Ton(const std::string& datei) override;
    void Uhr(const std::string& text) override;
    void Neuzeichnen() override;

private:
    ClsListe& liste_;
    Window& kalender_;
};
