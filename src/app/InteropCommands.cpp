// iCalendar and vCard commands of the calendar window: each asks for the file with the
// system's open or save dialog and hands the text to the portable readers and writers.
#include "app/ClsMainWindow.h"
#include "core/FileDialog.h"
#include "core/Host.h"
#include "core/ProgramPath.h"
#include "core/ResString.h"
#include "core/ResourceIds.h"
#include "core/TextFormat.h"
#include "core/WarteCursor.h"
#include "dialogs/AdressRegeln.h"
#include "interop/ICalExport.h"
#include "interop/ICalImport.h"
#include "interop/VCard.h"
#include "store/DateiSchreiber.h"

#include <fstream>

namespace {
// UTC to local time by the system's time-zone rules.
class SystemOrtszeit : public Ortszeit {
public:
    Zeitpunkt AusUtc(const Zeitpunkt& utc) const override {
        SYSTEMTIME u{}, l{};
        u.wYear = WORD(utc.Jahr);
        u.wMonth = WORD(utc.Monat);
        u.wDay = WORD(utc.Tag);
        u.wHour = WORD(utc.Stunde);
        u.wMinute = WORD(utc.Minute);
        if (!SystemTimeToTzSpecificLocalTime(nullptr, &u, &l)) return utc;
        return MachZeitpunkt(l.wYear, l.wMonth, l.wDay, l.wHour, l.wMinute);
    }
};

// The chosen path, or "" when cancelled.
std::string WaehleDatei(HWND owner, int filter, const char* endung, bool speichern) {
    FileDialog dlg(owner, LoadResString(filter), ProgramDirectory());
    dlg.ofn.lpstrDefExt = endung;
    dlg.ofn.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | (speichern ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    return dlg.Show(speichern) ? std::string(dlg.file) : std::string();
}

bool LiesDatei(const std::string& pfad, std::string& text) {
    std::ifstream f(pfad, std::ios::binary | std::ios::ate);
    const std::streamoff n = f ? std::streamoff(f.tellg()) : -1;
    if (n >= 0) {
        text.resize(size_t(n));
        f.seekg(0);
    }
    if (n < 0 || (n > 0 && !f.read(&text[0], n))) {
        GetHost().MessageText(Format(LoadResString(IDS_IMPORT_NICHT_GEOEFFNET), pfad.c_str()),
                              LoadResString(IDS_TITEL_IMPORT), Mb::IconExclamation);
        return false;
    }
    return true;
}

// A damaged file: its name and the line, nothing imported.
void MeldeUnlesbar(const std::string& pfad, int zeile) {
    GetHost().MessageText(Format(LoadResString(IDS_IMPORT_UNLESBAR), pfad.c_str(), zeile),
                          LoadResString(IDS_TITEL_IMPORT), Mb::IconExclamation);
}

// A failed write is reported by the writer; a file that cannot be created here.
void SchreibeText(const std::string& pfad, const std::string& text) {
    DateiSchreiber datei;
    if (!datei.Erzeuge(pfad)) {
        MeldeSchreibfehler(pfad);
        return;
    }
    datei.Schreibe(text);
    datei.Schliessen();
}

Zeitpunkt UtcJetzt() {
    SYSTEMTIME s;
    GetSystemTime(&s);
    return MachZeitpunkt(s.wYear, s.wMonth, s.wDay, s.wHour, s.wMinute);
}
}  // namespace

bool ClsMainWindow::ExportErlaubt() {
    return !doc_.Liste.Passwort[0] ||
           Message(IDS_EXPORT_UNGESCHUETZT, IDS_TITEL_FRAGE, Mb::YesNo | Mb::IconExclamation | Mb::TaskModal) == Mb::IdYes;
}

void ClsMainWindow::CmICalExport(UINT) {
    if (doc_.Liste.Anzahl() == 0) {
        Message(IDS_KALENDER_LEER, IDS_TITEL_EXPORT, Mb::IconExclamation);
        return;
    }
    const std::string pfad = WaehleDatei(Handle(), IDS_ICAL_FILTER, "ics", true);
    if (pfad.empty() || !ExportErlaubt()) return;
    WarteCursor warten;
    SchreibeText(pfad, ICalAusListe(doc_.Liste, doc_.AdrListe, UtcJetzt()));
}

void ClsMainWindow::CmICalImport(UINT) {
    const std::string pfad = WaehleDatei(Handle(), IDS_ICAL_FILTER, "ics", false);
    std::string text;
    if (pfad.empty() || !LiesDatei(pfad, text)) return;
    ICalErgebnis e;
    {
        WarteCursor warten;
        e = LiesICal(text, doc_.AdrListe, SystemOrtszeit());
    }
    if (e.FehlerZeile) {
        MeldeUnlesbar(pfad, e.FehlerZeile);
        return;
    }
    if (UebernimmTermine(doc_.Liste, e)) {
        Invalidate(true);
        PlanNextWarning();
    }
}

void ClsMainWindow::CmVCardExport(UINT) {
    if (doc_.AdrListe.Anzahl() == 0) {
        Message(IDS_ADRESSBUCH_LEER, IDS_TITEL_EXPORT, Mb::IconExclamation);
        return;
    }
    const std::string pfad = WaehleDatei(Handle(), IDS_VCARD_FILTER, "vcf", true);
    if (pfad.empty() || !ExportErlaubt()) return;
    WarteCursor warten;
    SchreibeText(pfad, VCardAusAdressen(doc_.AdrListe));
}

void ClsMainWindow::CmVCardImport(UINT) {
    const std::string pfad = WaehleDatei(Handle(), IDS_VCARD_FILTER, "vcf", false);
    std::string text;
    if (pfad.empty() || !LiesDatei(pfad, text)) return;
    VCardErgebnis e = LiesVCard(text);
    if (e.FehlerZeile) {
        MeldeUnlesbar(pfad, e.FehlerZeile);
        return;
    }
    if (UebernimmAdressen(doc_.AdrListe, e, VerknuepfteAdressen(doc_.Liste))) Invalidate(true);
}
