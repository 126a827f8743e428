// Common set-up of the views tests: default settings, colours and regional order, an
// empty collection and holiday table, a scripted host whose clock says 5 Dec 2026 12:00.
#pragma once
#include "document/Dokument.h"
#include "holidays/FeiertagTestHelfer.h"
#include "settings/Settings.h"
#include "store/DatumText.h"
#include "store/TerminFixtures.h"
#include "support/FakeHost.h"
#include "views/RecordingCanvas.h"
#include "views/ViewState.h"

#include <gtest/gtest.h>

#include <string>

class ViewFixture : public testing::Test {
protected:
    ViewFixture() {
        SetzeDatumsformat('.', true);
        view.Now = MachZeitpunkt(2026, 12, 5, 12, 0);
    }

    void Add(const Termin& t) { ASSERT_TRUE(Liste.Einfuegen(t)); }
    Rgb Role(int role) const { return settings.Look.Farben.Colour(role); }
    // Short text of the appointment a hit entry refers to ("" for none).
    std::string HitText(const HitEntry& e) {
        return e.Appointment == HitEntry::NoAppointment ? std::string() : std::string(Liste.Satz(e.Appointment).Kurzbeschr);
    }

    FakeHost host;
    Dokument doc;
    ClsListe& Liste = doc.Liste;
    Settings settings;
    Feiertage feiertage;
    ViewState view;
    PaintContext ctx{doc.Liste, feiertage, settings, view};
    RecordingCanvas canvas;
};
