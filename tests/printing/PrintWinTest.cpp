// The print dialog on the real default printer, and every kind of page printed to the CUPS test
// queue of scripts/run-tests.sh, which reads the PDFs back. Skipped without a printer.
#include "printing/ClsPrintout.h"
#include "printing/ClsDruckenDlg.h"
#include "printing/ClsPrinter.h"

#include "core/ResourceIds.h"
#include "core/TextFormat.h"
#include "dialogs/DlgSkript.h"
#include "document/Dokument.h"
#include "holidays/FeiertagTabelle.h"
#include "store/TerminFixtures.h"
#include "support/WinKit.h"

#include <cstdlib>

namespace {

class PrintWin : public testing::Test {
protected:
    void SetUp() override {
        const PrinterName name = DefaultPrinter();
        if (!name.Valid()) GTEST_SKIP() << "no default printer: the CUPS test queue is not set up";
        PrinterDc dc(CreateDCA(name.Driver.c_str(), name.Device.c_str(), nullptr, nullptr));
        ASSERT_NE(dc.Get(), nullptr) << name.Device;
        MinimumMargins(ReadMetrics(dc.Get()), minimum);
        kit::DeleteUserValue(RegPath::Print, "Margins");
        kit::DeleteUserValue(RegPath::Print, "FontHeight");
    }
    // Runs the dialog for Saturday 5 December 2026 in the week view.
    INT_PTR RunDialog(const std::function<void(const Dlg&)>& script) {
        return Fahre(boxes, script, [&] {
            ClsDruckenDlg dlg(nullptr, mw, ViewMode::Week, SelectedDate{2026, 12, 5});
            const INT_PTR result = dlg.Execute();
            options = dlg.Options();
            return result;
        });
    }

    kit::SavedValue margins{RegPath::Print, "Margins"}, fontHeight{RegPath::Print, "FontHeight"};
    kit::BoxAnswers boxes;
    int minimum[4] = {};
    MainWindowSettings mw;
    PrintOptions options;
};

TEST_F(PrintWin, DialogShowsPrinterMinimumsAndStoresWhatWasTyped) {
    // The test queue cannot print at the edge: 18 pt left against 24 pt right.
    EXPECT_TRUE(minimum[MarginLeft] > 0 && minimum[MarginLeft] < minimum[MarginRight]);
    EXPECT_EQ(RunDialog([&](const Dlg& d) {
        for (int i = 0; i < 4; ++i) EXPECT_EQ(d.Text(IDC_DRUCKEN_RAND_LINKS + i), MarginText(minimum[i]));
        EXPECT_TRUE(d.Markiert(IDC_DRUCKEN_ZWEISPALTIG));
        EXPECT_EQ(d.Text(IDC_DRUCKEN_MONAT_DATUM) + " " + d.Text(IDC_DRUCKEN_ZWEISPALTIG_DATUM), "12.2026 30.11.2026");
        d.Bild("drucken");
        d.Klick(IDOK);
    }), IDOK);
    EXPECT_EQ(kit::UserString(RegPath::Print, "Margins"), "");  // the minimums are not stored
    EXPECT_TRUE(options.Kind == PrintKind::WeekTwoColumns && options.Date == MachZeitpunkt(2026, 11, 30));

    EXPECT_EQ(RunDialog([&](const Dlg& d) {
        d.Text(IDC_DRUCKEN_RAND_LINKS, "");  // 0: below the minimum
        d.Klick(IDOK);
        EXPECT_EQ(boxes.texts, (std::vector<std::string>{MarginsTooSmallText(minimum)}));
        boxes.texts.clear();
        d.Text(IDC_DRUCKEN_RAND_LINKS, "1,5");
        d.Text(IDC_DRUCKEN_SCHRIFT, "4");
        d.Klick(IDC_DRUCKEN_MONAT);
        d.Text(IDC_DRUCKEN_MONAT_DATUM, "03.1995");
        d.Klick(IDOK);
    }), IDOK);
    EXPECT_EQ(kit::UserString(RegPath::Print, "Margins"),
              Format("150,%d,%d,%d", minimum[1], minimum[2], minimum[3]));
    EXPECT_EQ(kit::UserString(RegPath::Print, "FontHeight"), "4");
    EXPECT_TRUE(options.FontHeight == 11 && options.Date == MachZeitpunkt(1995, 3, 1));
}

// One job per kind, titled "druck-<kind>" so the script finds each PDF.
TEST_F(PrintWin, EveryKindPrintsToTheTestQueue) {
    const char* out = std::getenv("ORDIVO_PRINT_OUT");
    if (!out) GTEST_SKIP() << "ORDIVO_PRINT_OUT not set";
    Dokument doc;
    doc.AdrListe.Initialisieren();
    Adresse a;  // a list with addresses shows it beside its appointment
    Adresse::Setze(a.FIRMA, "Zahnarztpraxis Dr. M\xFCller");
    Adresse::Setze(a.STRASSE, "Lange Stra\xDF" "e 12");
    Adresse::Setze(a.PLZORT, "10115 Berlin");
    Adresse::Setze(a.SORT, "ZAHN");
    a.ID = 1;
    ASSERT_GE(doc.AdrListe.EinfuegenSortiert(a), 0);
    Termin zahnarzt = MachTermin(2026, 12, 3, 9, 0, 10, 30, 0, "Zahnarzt");
    zahnarzt.AdrId = 1;
    zahnarzt.Beschr = "Bonusheft mitbringen";
    zahnarzt.SetzePrioritaet(3);
    for (const Termin& t : {zahnarzt, MachTermin(2026, 12, 3, 14, 0, 15, 0, 0, "Besprechung"),
                            MachTermin(2026, 12, 6, 0, 0, 0, 0, FlagOhneZeit | FlagOhneEnde, "Nikolaus"),
                            MachTermin(2026, 12, 24, 18, 0, 0, 0, FlagOhneEnde, "Bescherung")})
        ASSERT_TRUE(doc.Liste.Einfuegen(t));
    Feiertage feiertage;
    feiertage.Berechne(2026, true);
    Settings settings;
    ViewState view;
    view.Now = MachZeitpunkt(2026, 12, 1, 12, 0);
    PaintContext ctx{doc.Liste, feiertage, settings, view};

    const struct {
        const char* title;
        PrintKind kind;
        bool colour;
    } jobs[] = {{"druck-tag", PrintKind::Day, true},     {"druck-woche", PrintKind::Week, false},
                {"druck-zweispaltig", PrintKind::WeekTwoColumns, true}, {"druck-monat", PrintKind::Month, true},
                {"druck-liste", PrintKind::List, false}, {"druck-adressen", PrintKind::ListWithAddresses, false}};
    ClsPrinter printer;
    for (const auto& j : jobs) {
        PrintOptions o;
        o.Kind = j.kind, o.Colour = j.colour;
        o.Date = MachZeitpunkt(2026, 12, j.kind == PrintKind::Month ? 1 : 3);
        o.EndDate = MachZeitpunkt(2026, 12, 31);
        for (int i = 0; i < 4; ++i) o.Margins[i] = minimum[i] + 50;
        ClsPrintout printout(j.title, ctx, doc.AdrListe, o);
        EXPECT_TRUE(printer.Print(nullptr, printout)) << j.title;
    }
    // The queue writes the files after the jobs are handed over.
    std::string pattern = std::string("Z:") + out + "/druck-*.pdf";
    for (char& ch : pattern)
        if (ch == '/') ch = '\\';
    const auto count = [&] {
        int n = 0;
        WIN32_FIND_DATAA fd;
        const HANDLE h = FindFirstFileA(pattern.c_str(), &fd);
        for (bool more = h != INVALID_HANDLE_VALUE; more; more = FindNextFileA(h, &fd)) ++n;
        if (h != INVALID_HANDLE_VALUE) FindClose(h);
        return n;
    };
    EXPECT_TRUE(kit::WaitFor([&] { return count() == 6; }, 180000)) << count() << " PDFs in " << out;
}

}  // namespace
