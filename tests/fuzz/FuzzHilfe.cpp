// Shared parts of the fuzz targets.
#include "fuzz/FuzzHilfe.h"

#include "document/KalenderDatei.h"
#include "fuzz/FuzzZiele.h"
#include "settings/Settings.h"
#include "store/DatumText.h"
#include "store/Passwort.h"
#include "store/Suche.h"
#include "support/TempDir.h"
#include "views/CalendarPaint.h"
#include "views/RecordingCanvas.h"

#include <algorithm>
#include <cstring>

namespace {
bool Annehmen(const std::string&) { return true; }
}  // namespace

FuzzUmgebung::FuzzUmgebung()
    : vorherigeFrage_(SetzePasswortFrage(Annehmen)), trenner_(DatumTrenner()), tagZuerst_(TagZuerst()) {
    host.answers = {Mb::IdYes, Mb::IdNo};
    SetzeDatumsformat('.', true);
}

FuzzUmgebung::~FuzzUmgebung() {
    SetzePasswortFrage(vorherigeFrage_);
    SetzeDatumsformat(trenner_, tagZuerst_);
}

std::string FuzzDatei(const std::string& name) {
    static TempDir dir;
    return dir.Datei(name);
}

void SchreibeFuzzDatei(const std::string& pfad, const uint8_t* daten, size_t groesse) {
    SchreibBytes(pfad, std::string(reinterpret_cast<const char*>(daten), groesse));
}

std::string LiesFuzzDatei(const std::string& pfad) { return LiesBytes(pfad); }

std::string ByteLeser::Text(size_t maxLaenge) {
    std::string text;
    const size_t laenge = Byte() % (maxLaenge + 1);
    while (text.size() < laenge && rest_) text += char(Byte() | 1);  // odd bytes: never zero
    return text;
}

std::string ByteLeser::Zeile() {
    std::string zeile;
    while (rest_) {
        const char c = char(Byte());
        if (c == '\n') break;
        zeile += c;
    }
    return zeile;
}

namespace {
// The selected date a view can show (navigation keeps years within 1800-3999).
SelectedDate Anzeigbar(const Zeitpunkt& z) {
    SelectedDate s;
    s.Year = std::clamp<int>(z.Jahr, 1800, 3999);
    s.Month = int8_t(std::clamp<int>(z.Monat, 1, 12));
    s.Day = int8_t(std::clamp<int>(z.Tag, 1, 28));
    return s;
}
}  // namespace

const char* PruefeGeladen(Dokument& doc, Feiertage& feiertage) {
    Settings settings;
    ViewState view;
    view.Selected = Anzeigbar(doc.Liste.Anzahl() ? doc.Liste.Satz(0).Start : Zeitpunkt{});
    PaintContext ctx{doc.Liste, feiertage, settings, view};
    for (ViewMode modus : {ViewMode::Day, ViewMode::Week, ViewMode::Month}) {
        settings.Mode = modus;
        RecordingCanvas canvas;
        PaintCalendarView(ctx, canvas, ClientRect{0, 0, 640, 480});
    }

    for (int i = 0; i < std::min(doc.Liste.Anzahl(), 20); ++i) {
        const std::string text = doc.Liste.Satz(i).Kurzbeschr;
        FUZZ_PRUEFE(text.size() < size_t(TerminBild::KurzbeschrLaenge));
        for (const std::string& zeile : Suche(doc.Liste, text.substr(0, 3), true))
            FUZZ_PRUEFE(FindeSuchZeile(doc.Liste, zeile) >= 0);
    }

    const std::string erste = FuzzDatei("erste.odv"), zweite = FuzzDatei("zweite.odv");
    FUZZ_PRUEFE(SchreibeDatei(doc, FuzzDatei("export.dbf"), ModusTerminExport));
    FUZZ_PRUEFE(SchreibeDatei(doc, FuzzDatei("adressen.dbf"), ModusAdressExport));
    // The save commands refuse a document without appointments before any writing.
    if (doc.Liste.Anzahl() == 0) return nullptr;
    FUZZ_PRUEFE(SchreibeDatei(doc, erste, ModusKalender));
    Dokument wieder;
    wieder.Dateiname = erste;
    FUZZ_PRUEFE(wieder.Laden() == Ladeausgang::Ok);
    FUZZ_PRUEFE(wieder.Liste.Anzahl() == doc.Liste.Anzahl() && wieder.AdrListe.Anzahl() == doc.AdrListe.Anzahl());
    FUZZ_PRUEFE(SchreibeDatei(wieder, zweite, ModusKalender));
    FUZZ_PRUEFE(LiesFuzzDatei(erste) == LiesFuzzDatei(zweite));
    return nullptr;
}
