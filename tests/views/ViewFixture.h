// Common set-up of the views tests: default settings, colours and regional order, an
// empty collection and holiday table, a scripted host whose clock says 5 Dec 2026 12:00.
#pragma once
#include "app/Settings.h"
#include "holidays/FeiertagTestHelfer.h"
#include "settings/Appearance.h"
#include "store/ClsListe.h"
#include "store/DatumText.h"
#include "support/FakeHost.h"
#include "views/DisplayState.h"
#include "views/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <string>

class ViewFixture : public testing::Test {
protected:
    void SetUp() override {
        TheSettings = Settings{};
        TheAppearance = Appearance{};
        DatumTrenner = '.';
        TagZuerst = true;
        Liste.Leeren();
        SetzeTabelle({});
        Hits.Clear();
        TheLayout = Layout{};
        DayFrames = DayFrameTable{};
        ViewNow = MachZeitpunkt(2026, 12, 5, 12, 0);
    }
    void TearDown() override {
        Liste.Leeren();
        SetzeTabelle({});
        TheSettings = Settings{};
    }

    static Termin Appointment(int j, int m, int t, int h, int mi, int eh, int emi, const std::string& text,
                              uint16_t flags = 0) {
        Termin r;
        r.Start = MachZeitpunkt(j, m, t, h, mi);
        r.Ende = MachZeitpunkt(j, m, t, eh, emi);
        r.Flags = flags;
        r.SetzeKurzbeschr(text);
        return r;
    }
    static void Add(const Termin& t) { ASSERT_TRUE(Liste.Einfuegen(t)); }
    static void Add(int j, int m, int t, int h, int mi, int eh, int emi, const std::string& text, uint16_t flags = 0) {
        Add(Appointment(j, m, t, h, mi, eh, emi, text, flags));
    }
    static Rgb Role(int role) { return TheAppearance.Farben.Colour(role); }
    // Short text of the appointment a hit entry refers to ("" for none).
    static std::string HitText(const HitEntry& e) {
        return e.Appointment == HitEntry::NoAppointment ? std::string() : std::string(Liste.Satz(e.Appointment).Kurzbeschr);
    }

    FakeHost host;
    RecordingCanvas canvas;
};
