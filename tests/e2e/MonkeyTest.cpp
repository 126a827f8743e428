// The GDI count after painting every view and opening every dialog twice, then random use of the
// real program for a set time (ORDIVO_MONKEY_SECONDS, default 60, seed ORDIVO_MONKEY_SEED).
#include "app/Diagnose.h"
#include "core/ResourceIds.h"
#include "document/Dokument.h"
#include "document/KalenderDatei.h"
#include "e2e/Monkey.h"
#include "store/TerminFixtures.h"
#include "support/TempDir.h"

#include <cstdlib>
#include <memory>

using namespace kit;

namespace {
constexpr long kGdiSlack = 4;  // cached fonts may follow a changed font height

unsigned long Setting(const char* name, unsigned long otherwise) {
    const char* value = std::getenv(name);
    return value && *value ? std::strtoul(value, nullptr, 10) : otherwise;
}

// A copy of the program in its own folder (the holiday dialog writes beside the exe) and a
// file with an appointment on every hour of today's day time.
class RealProgram : public testing::Test {
protected:
    void SetUp() override {
        FreshOrdivoSettings();
        dir = MakeTempDir("monkey");
        for (const char* name : {"ordivo.exe", "ORDIVO.DLL", "ORDIVO.PHD"})
            ASSERT_TRUE(CopyFileA((BinDir() + "\\" + name).c_str(), (dir + "\\" + name).c_str(), FALSE)) << name;
        file = dir + "\\monkey.odv";
        SYSTEMTIME now;
        GetLocalTime(&now);
        Dokument doc;
        doc.Neu();
        for (int hour = 6; hour < 21; ++hour)
            doc.Liste.Einfuegen(MachTermin(now.wYear, now.wMonth, now.wDay, hour, 0, hour, 45, 0,
                                           "Termin " + std::to_string(hour)));
        ASSERT_TRUE(SchreibeDatei(doc, file, ModusKalender));
        Monkey quiet(program, file, 0);
        quiet.Mode = Monkey::Answers::No;
        Launch(program, quiet);
    }
    void TearDown() override { DeleteOrdivoSettings(); }

    // Starts the copy on the file; `answering` answers what comes before the main window.
    void Launch(Program& p, Monkey& answering) {
        ASSERT_TRUE(p.Start("\"" + file + "\"", dir + "\\ordivo.exe"));
        HWND frame = nullptr;
        ASSERT_TRUE(WaitFor([&] {
            frame = p.FindWindowOf("OrdivoFrame");
            return frame || !answering.Settle();
        }, 20000));
        ASSERT_NE(frame, nullptr) << answering.Failure;
        client = answering.Client = FindChild(frame, "OrdivoCalendar");
        ASSERT_NE(client, nullptr);
    }

    Program program;
    std::string dir, file;
    HWND client = nullptr;
};

FILETIME WriteTime(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data);
    return data.ftLastWriteTime;
}

std::string StepLogPath() {
    const char* path = std::getenv("ORDIVO_MONKEY_LOG");
    return path && *path ? path : BinDir() + "\\..\\..\\test-logs\\monkey-steps.log";
}
}  // namespace

// First every view painted and every dialog opened and answered twice: the second round holds
// no more GDI objects than the first left behind. Then the random use.
TEST_F(RealProgram, MonkeyLeavesItAliveWithoutLeaksAndItsLastFileReadable) {
    const auto seed = uint32_t(Setting("ORDIVO_MONKEY_SEED", 20261206));
    const DWORD seconds = Setting("ORDIVO_MONKEY_SECONDS", 60);
    std::unique_ptr<FILE, int (*)(FILE*)> log(std::fopen(StepLogPath().c_str(), "w"), &std::fclose);
    if (log) std::fprintf(log.get(), "seed %u, %lu s\n", seed, seconds);
    Monkey monkey(program, file, seed, log.get());
    monkey.Client = client;
    ASSERT_TRUE(monkey.Settle()) << monkey.Failure;

    monkey.Mode = Monkey::Answers::No;  // Cancel: every round finds the same file; nothing random is drawn
    auto round = [&] {
        for (UINT view : {CM_WOCHE, CM_MONAT, CM_TAG}) {
            EXPECT_TRUE(monkey.Command(view)) << monkey.Failure;
            Repaint(client);
        }
        RECT r{};
        GetClientRect(client, &r);
        // The context commands act on the clicked appointment, one in the middle of the day view.
        PostMessageA(client, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.right / 2, r.bottom / 2));
        PostMessageA(client, WM_LBUTTONUP, 0, MAKELPARAM(r.right / 2, r.bottom / 2));
        for (UINT id : {CM_ANMERKUNG, CM_ADRESSE, CM_VORWARNZEIT, CM_VERSCHIEBEN, CM_ENTFERNEN, CM_NEUER_TERMIN, CM_ICAL_IMPORT,
                        CM_ALTE_LOESCHEN, CM_SUCHEN, CM_DATUM_WAEHLEN, CM_VORGABEN, CM_KENNWORT, CM_DRUCKEN,
                        CM_FEIERTAGE, CM_ALARMTOENE, CM_SCHRIFTHOEHEN, CM_FARBEN, CM_TAGESRASTER, CM_ADRESSBUCH,
                        CM_INFO, CM_SPEICHERN_UNTER}) {
            const size_t seen = monkey.Seen.size();
            EXPECT_TRUE(monkey.Command(id)) << monkey.Failure;
            // Without a default printer the print dialog closes before it shows.
            if (id != CM_DRUCKEN) { EXPECT_GT(monkey.Seen.size(), seen) << "command " << id << " opened nothing"; }
        }
        return monkey.Query(DiagnoseGdiObjects);
    };
    const long first = round();
    Surface(client).SavePng("gdi-check-after-dialogs");
    const long gdiBefore = round();
    if (log) std::fprintf(log.get(), "GDI objects %ld after the first round, %ld after the second\n", first, gdiBefore);
    ASSERT_GT(first, 0);
    EXPECT_LE(gdiBefore, first + kGdiSlack) << "first round " << first;
    monkey.Mode = Monkey::Answers::Random;
    long steps = 0;
    for (const DWORD start = GetTickCount(); GetTickCount() - start < seconds * 1000; ++steps)
        ASSERT_TRUE(monkey.Step()) << monkey.Failure << " (seed " << seed << ", log " << StepLogPath() << ")";
    const long gdiAfter = monkey.Query(DiagnoseGdiObjects);
    if (log) std::fprintf(log.get(), "%ld steps done; GDI objects %ld before, %ld after\n", steps, gdiBefore, gdiAfter);
    ASSERT_TRUE(program.Running());
    EXPECT_LE(gdiAfter, gdiBefore + kGdiSlack);
    Surface(GetParent(client), false).SavePng("monkey-end");

    // The last save, then the program ends cleanly.
    monkey.Mode = Monkey::Answers::Yes;
    const FILETIME before = WriteTime(file);
    ASSERT_TRUE(monkey.Command(CM_SPEICHERN)) << monkey.Failure;
    ASSERT_EQ(monkey.Query(DiagnoseGeaendert), 0);
    const long shown = monkey.Query(DiagnoseTermine);
    // An empty calendar is not saved ("nothing to save"): the file keeps the last save.
    const FILETIME after = WriteTime(file);
    const bool written = CompareFileTime(&before, &after) != 0;
    EXPECT_TRUE(written || shown == 0) << shown << " appointments not saved";
    ASSERT_TRUE(monkey.Command(CM_BEENDEN)) << monkey.Failure;  // the questions answered Yes
    ASSERT_EQ(program.Wait(), 0);
    const std::string saved = LiesBytes(file);

    // Reopened: no message but the password question, the same appointments, saved to the same bytes.
    Program again;
    Monkey reader(again, file, seed);
    reader.Mode = Monkey::Answers::Yes;
    Launch(again, reader);
    ASSERT_TRUE(reader.Settle()) << reader.Failure;
    for (const std::string& title : reader.Seen) EXPECT_EQ(title, "Kennwort");
    if (written) {
        EXPECT_EQ(reader.Query(DiagnoseTermine), shown);
    }
    ASSERT_TRUE(reader.Command(CM_SPEICHERN)) << reader.Failure;
    EXPECT_EQ(LiesBytes(file), saved);
    EXPECT_TRUE(reader.Command(CM_BEENDEN)) << reader.Failure;
    EXPECT_EQ(again.Wait(), 0);
}
