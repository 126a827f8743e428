// Date texts in both regional orders, the date parser's accept/refuse rules, time split.
#include "store/DatumText.h"
#include "support/FakeHost.h"

#include <gtest/gtest.h>

namespace {
// Sets the regional settings for one test and restores the defaults.
class Regional {
public:
    Regional(char trenner, bool tagZuerst) { SetzeDatumsformat(trenner, tagZuerst); }
    ~Regional() { SetzeDatumsformat('.', true); }
};

Zeitpunkt Z(int j, int m, int t, int h = 0, int mi = 0) { return MachZeitpunkt(j, m, t, h, mi); }

bool Gilt(const Datum& d, int jahr, int monat, int tag) {
    return d.Jahr == jahr && d.Monat == monat && d.Tag == tag;
}
}  // namespace

TEST(DatumText, DayFirstFormats) {
    Regional r('.', true);
    const Zeitpunkt z = Z(995, 3, 7, 9, 5);
    EXPECT_EQ(DatumText(z), "07.03.0995");
    EXPECT_EQ(DatumText(z, DatumStil::Leer), " 7.03.0995");
    EXPECT_EQ(DatumText(z, DatumStil::Kurz), "7.03. 995");
    EXPECT_EQ(DatumText(z, DatumStil::KurzLeer), " 7.03. 995");
    EXPECT_EQ(DatumZeitText(z, DatumStil::Kurz), "7.03. 995   9:05");
    EXPECT_EQ(UhrText(z, 7), "07.03.0995  09:05:07");
    EXPECT_EQ(DatumMitText(Z(1995, 12, 24), "Bescherung"), "24.12.1995  Bescherung");
    EXPECT_EQ(FeiertagZeile(Z(1995, 12, 25), "Weihnachten"), "(25.12.1995)            Weihnachten");
    EXPECT_EQ(ZeitText(9, 5), "09:05");
    EXPECT_EQ(ZeitText(9, 5, true), " 9:05");
    EXPECT_EQ(EndeText(9, 5), " -  9:05");
    EXPECT_EQ(LangesDatum(3, 3, 1995), " 3. M\xE4rz 1995");
}

TEST(DatumText, MonthFirstSwapsDayAndMonthAndUsesSeparator) {
    Regional r('/', false);
    EXPECT_EQ(DatumText(Z(1995, 3, 17)), "03/17/1995");
    EXPECT_EQ(DatumText(Z(1995, 3, 17), DatumStil::Leer), " 3/17/1995");
    EXPECT_EQ(DatumText(Z(1995, 12, 4), DatumStil::Kurz), "12/04/1995");
    EXPECT_EQ(LangesDatum(4, 12, 1995), "Dezember  4, 1995");
}

TEST(DatumText, MonthNamesFromResources) {
    EXPECT_EQ(std::string(Monatsname(1)) + "|" + Monatsname(12) + "|" + Monatsname(0) + "|" + Monatsname(13), "Januar|Dezember||");
}

TEST(ParseDatum, AcceptsBothOrdersAndTwoDigitYears) {
    FakeHost host;
    const struct {
        const char* text;
        char trenner;
        bool tagZuerst;
        int jahr, monat, tag;
    } faelle[] = {
        {"12/24/95", '/', false, 1995, 12, 24}, {" 2/ 29/2000", '/', false, 2000, 2, 29},
        {"24.12.79", '.', true, 2079, 12, 24},  {"24.12.80", '.', true, 1980, 12, 24},
        {"1.1.5", '.', true, 2005, 1, 1},       {"1.1.0", '.', true, 2000, 1, 1},
        {"1.1.1800", '.', true, 1800, 1, 1},    {"31.12.3999", '.', true, 3999, 12, 31},
        {"29.02.00", '.', true, 2000, 2, 29},   // leap year after the two-digit rule
        {"1//2//1995", '/', true, 1995, 2, 1},  // runs of separators are one
        {"24-12-1995", '-', true, 1995, 12, 24},
    };
    for (const auto& f : faelle) {
        Regional r(f.trenner, f.tagZuerst);
        EXPECT_TRUE(Gilt(ParseDatum(f.text), f.jahr, f.monat, f.tag)) << f.text;
    }
    EXPECT_TRUE(host.messages.empty());
}

TEST(ParseDatum, RefusesBadTextsWithTheOneMessage) {
    FakeHost host;
    // third point, letter, empty, no year, month 13, month 0, day 0, 31 April, 29 February 1900,
    // below and above the year bounds, wrong separator, blank month
    for (const char* text : {"1.2.3.4", "1a.2.95", "", "24.12", "24.13.95", "24.0.95", "0.1.95", "31.4.95",
                             "29.2.1900", "1.1.1799", "1.1.4000", "24/12/95", "1. .95"}) {
        host.messages.clear();
        EXPECT_EQ(ParseDatum(text).Jahr, -1) << text;
        EXPECT_EQ(host.Ids(), std::vector<int>{1113}) << text;
    }
    EXPECT_EQ(host.messages[0].captionId, 1134);
    EXPECT_EQ(host.messages[0].style, Mb::IconExclamation | Mb::TaskModal);
    Regional r('/', false);
    EXPECT_EQ(ParseDatum("24/12/95").Jahr, -1);  // month first: month 24
}

TEST(ZerlegeZeit, SplitsAtPointColonAndDash) {
    struct Case {
        const char* text;
        bool ohneZeit;
        int stunde, minute;
    } const cases[] = {
        {"14:30", false, 14, 30}, {"9.05", false, 9, 5}, {"8-", false, 8, 0},
        {":15", false, 15, 0},  // the leading delimiter is skipped: 15 is the hour
        {"", true, 0, 0},         {":", true, 0, 0},     {"-.:", true, 0, 0},
    };
    for (const Case& c : cases) {
        const Uhrzeit u = ZerlegeZeit(c.text);
        EXPECT_EQ(std::vector<int>({u.OhneZeit, u.Stunde, u.Minute}), std::vector<int>({c.ohneZeit, c.stunde, c.minute})) << c.text;
    }
}
