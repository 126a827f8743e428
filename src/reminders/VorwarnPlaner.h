// The reminder scheduler of the calendar window: keeps the earliest pending advance
// warning, shows due warnings (oldest first, each once per due time), runs the one-second
// tick with the clock text and plays the priority's sound on the second tick of a notice.
#pragma once
#include "core/Host.h"
#include "settings/Settings.h"
#include "store/ClsListe.h"

#include <string>

// What the scheduler asks of the window that owns it.
class VorwarnAnzeige {
public:
    virtual ~VorwarnAnzeige() = default;
    // Runs the notice for record `slot` modally; ticks and change notices may arrive meanwhile.
    virtual void Hinweis(int slot) = 0;
    // Plays a WAV file synchronously; an empty name means three system beeps.
    virtual void Ton(const std::string& datei) = 0;
    virtual void Uhr(const std::string& text) = 0;  // clock gadget
    virtual void Neuzeichnen() = 0;                 // repaint, ending in-place editing
    // Another dialog of the program is open: it may hold records of the collection, so due
    // notices wait until it is closed.
    virtual bool DialogOffen() const = 0;
};

class VorwarnPlaner {
public:
    static constexpr int ErneutMinuten = 5;  // a notice left unchanged reminds again this much later

    // `toene`: the four alarm sounds by priority, owned by the caller.
    VorwarnPlaner(ClsListe& liste, Host& host, VorwarnAnzeige& anzeige, const AlarmSound* toene);

    // Recomputes the next warning, shows every due one, refreshes the status text and
    // posts it (0x47C). A call while a notice or another dialog is open only recomputes.
    void PlaneVorwarnungen();
    // Timer 2, once a second.
    void Takt();

    const Zeitpunkt& NaechsteVorwarnung() const { return naechste_; }
    const Zeitpunkt& Jetzt() const { return jetzt_; }
    const std::string& StandardStatusText() const { return status_; }
    bool HinweisOffen() const { return hinweisOffen_ || planungLaeuft_; }

private:
    void Zeige(int slot);
    int AeltesteFaellige() const;               // -1 when nothing is due
    int ErsteMitVorwarnung(const Zeitpunkt& z) const;
    int Gleiche(const Termin& t) const;         // records equal to t in every field
    void TonSchritt();
    LocalTime Uhrzeit();                        // reads the clock and sets jetzt_

    ClsListe& liste_;
    Host& host_;
    VorwarnAnzeige& anzeige_;
    const AlarmSound* toene_;

    Zeitpunkt naechste_;
    Zeitpunkt jetzt_;
    std::string status_;
    bool planungLaeuft_ = false;  // the recompute shows a notice
    bool hinweisOffen_ = false;   // the tick shows a notice
    bool tonAusstehend_ = false;  // a notice is open and its sound not yet played
    int tonTakte_ = 0;            // ticks counted while the sound is pending
    int hinweisPrioritaet_ = -1;  // priority of the open notice; -1 none
};

// Jahr 9999: no pending warning.
constexpr int16_t KeineVorwarnung = 9999;
