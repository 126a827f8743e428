// ClsDruckenDlg and the print command.
#include "printing/ClsDruckenDlg.h"

#include "core/HelpViewer.h"
#include "core/Host.h"
#include "core/ProgramPath.h"
#include "core/RegAccess.h"
#include "core/ResourceIds.h"
#include "core/TextFormat.h"
#include "document/Dokument.h"
#include "holidays/FeiertagTabelle.h"
#include "printing/ClsPrinter.h"
#include "printing/ClsPrintout.h"
#include "store/DatumText.h"

#include <cstdlib>

namespace {

constexpr Hive User = Hive::CurrentUser;
constexpr int HilfeKontext = 3602;
constexpr int MarginFields[4] = {IDC_DRUCKEN_RAND_LINKS, IDC_DRUCKEN_RAND_RECHTS, IDC_DRUCKEN_RAND_OBEN,
                                 IDC_DRUCKEN_RAND_UNTEN};

}  // namespace

ClsDruckenDlg::ClsDruckenDlg(HWND parent, MainWindowSettings& settings, ViewMode mode, const SelectedDate& selected)
    : Dialog(parent, IDD_DRUCKEN, ResourceModule()), settings_(settings), mode_(mode), selected_(selected) {}

void ClsDruckenDlg::SetupWindow() {
    const PrinterName name = DefaultPrinter();
    PrinterDc dc(name.Valid() ? CreateDCA(name.Driver.c_str(), name.Device.c_str(), nullptr, nullptr) : nullptr);
    if (!dc.Get()) {
        CloseDialog(IDCANCEL);
        return;
    }
    MinimumMargins(ReadMetrics(dc.Get()), minimum_);
    for (int i = 0; i < 4; ++i) {
        shown_[i] = settings_.Margins[0] < 0 ? minimum_[i] : settings_.Margins[i];
        SetItemText(MarginFields[i], MarginText(shown_[i]));
    }

    const int button = mode_ == ViewMode::Day ? IDC_DRUCKEN_TAG : mode_ == ViewMode::Week ? IDC_DRUCKEN_ZWEISPALTIG
                                                                                          : IDC_DRUCKEN_MONAT;
    SetChecked(button, true);
    SetChecked(IDC_DRUCKEN_ADRESSEN, true);

    char stored[16] = "";
    RegReadString(User, RegPath::Print, "FontHeight", "0", stored, sizeof stored);
    if (std::atoi(stored) != 0) SetItemText(IDC_DRUCKEN_SCHRIFT, stored);

    const Zeitpunkt day = DayOf(selected_);
    const std::string date = DatumText(day, DatumStil::Zweistellig);
    for (int field : {IDC_DRUCKEN_TAG_DATUM, IDC_DRUCKEN_LISTE_VON, IDC_DRUCKEN_LISTE_BIS}) SetItemText(field, date);
    SetItemText(IDC_DRUCKEN_MONAT_DATUM, date.substr(3));
    const std::string monday = DatumText(WeekMonday(day.Jahr, day.Monat, day.Tag), DatumStil::Zweistellig);
    SetItemText(IDC_DRUCKEN_WOCHE_DATUM, monday);
    SetItemText(IDC_DRUCKEN_ZWEISPALTIG_DATUM, monday);
}

bool ClsDruckenDlg::OnCommand(int id, int notify, HWND) {
    if (id != IDC_DRUCKEN_HILFE || notify != BN_CLICKED) return false;
    OpenHelp(Handle(), HilfeKontext);
    return true;
}

bool ClsDruckenDlg::ReadDate(int field, bool monthOnly, Zeitpunkt& out) {
    if (ReadPrintDate(GetItemText(field).substr(0, 78), monthOnly, out)) return true;
    Message(IDS_DRUCKDATUM_UNGUELTIG, IDS_TITEL_DRUCKDATUM, Mb::IconExclamation);
    FocusItem(field);
    return false;
}

bool ClsDruckenDlg::CanClose() {
    PrintOptions o;
    const struct {
        int button, field;
        PrintKind kind;
    } kinds[] = {{IDC_DRUCKEN_TAG, IDC_DRUCKEN_TAG_DATUM, PrintKind::Day},
                 {IDC_DRUCKEN_WOCHE, IDC_DRUCKEN_WOCHE_DATUM, PrintKind::Week},
                 {IDC_DRUCKEN_MONAT, IDC_DRUCKEN_MONAT_DATUM, PrintKind::Month},
                 {IDC_DRUCKEN_ZWEISPALTIG, IDC_DRUCKEN_ZWEISPALTIG_DATUM, PrintKind::WeekTwoColumns}};
    bool chosen = false;
    for (const auto& k : kinds) {
        if (!IsChecked(k.button)) continue;
        o.Kind = k.kind;
        if (!ReadDate(k.field, k.kind == PrintKind::Month, o.Date)) return false;
        chosen = true;
    }
    if (!chosen) {
        o.Kind = IsChecked(IDC_DRUCKEN_ADRESSEN) ? PrintKind::ListWithAddresses : PrintKind::List;
        if (!ReadDate(IDC_DRUCKEN_LISTE_BIS, false, o.EndDate) || !ReadDate(IDC_DRUCKEN_LISTE_VON, false, o.Date))
            return false;
    }

    for (int i = 0; i < 4; ++i) o.Margins[i] = ReadMargin(GetItemText(MarginFields[i]));
    for (int i = 0; i < 4; ++i) {
        if (o.Margins[i] >= minimum_[i]) continue;
        GetHost().MessageText(MarginsTooSmallText(minimum_), "Ordivo", Mb::IconExclamation);
        FocusItem(MarginFields[i]);
        return false;
    }
    bool differs = false;
    for (int i = 0; i < 4; ++i) differs = differs || o.Margins[i] != minimum_[i];
    if (differs)
        RegWriteString(User, RegPath::Print, "Margins",
                       Format("%d,%d,%d,%d", o.Margins[0], o.Margins[1], o.Margins[2], o.Margins[3]).c_str());
    for (int i = 0; i < 4; ++i) settings_.Margins[i] = o.Margins[i];

    o.Colour = IsChecked(IDC_DRUCKEN_FARBE);
    const std::string font = GetItemText(IDC_DRUCKEN_SCHRIFT);
    char* end = nullptr;
    const long n = std::strtol(font.c_str(), &end, 10);
    const bool number = end != font.c_str() && n > -1000 && n < 1000;  // 999 * 3 - 1 is taller than any page
    // A negative number prints like 0 (automatic): the pages have no use for negative heights.
    o.FontHeight = number && n > 0 ? PrintFontHeightFromStored(int(n)) : 0;
    RegWriteString(User, RegPath::Print, "FontHeight", Format("%d", number ? int(n) : 0).c_str());
    settings_.PrintFontHeight = o.FontHeight;
    options_ = o;
    return true;
}

void PrintCommand(HWND owner, ClsPrinter& printer, Dokument& doc, Feiertage& feiertage, const Settings& settings,
                  MainWindowSettings& mw, ViewState& view) {
    ClsListe& liste = doc.Liste;
    if (liste.Anzahl() == 0) {
        Message(IDS_NICHTS_ZU_DRUCKEN, IDS_TITEL_HINWEIS, Mb::IconExclamation);
        return;
    }
    ClsDruckenDlg dlg(owner, mw, settings.Mode, view.Selected);
    if (dlg.Execute() != IDOK) return;
    const PrintOptions& o = dlg.Options();
    if ((o.Kind == PrintKind::List || o.Kind == PrintKind::ListWithAddresses) &&
        DatumKey(o.Date) > DatumKey(liste.Satz(liste.Anzahl() - 1).Start)) {
        Message(IDS_BEREICH_NACH_LETZTEM, IDS_TITEL_HINWEIS, Mb::IconExclamation);
        return;
    }
    feiertage.Berechne(o.Date.Jahr, false);
    view.Now = Jetzt();
    PaintContext ctx{liste, feiertage, settings, view};
    ClsPrintout printout(PrintJobTitle(o), ctx, doc.AdrListe, o);
    printer.Print(owner, printout);
}
