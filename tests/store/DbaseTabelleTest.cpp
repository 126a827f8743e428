// The field conversions of the dBase tables: numbers written as "%0*ld" cut to the column,
// numbers read in every form a column may hold, and trailing blanks cut across word steps.
#include "store/DbaseTabelle.h"

#include <gtest/gtest.h>

#include <string>

TEST(DbaseFelder, NumbersWrittenAsZeroPaddedTextCutToTheColumn) {
    const struct {
        long wert;
        int laenge;
        const char* text;
    } faelle[] = {{0, 4, "0000"}, {7, 2, "07"}, {1995, 4, "1995"}, {65535, 5, "65535"},
                  {12345, 4, "1234"}, {100, 2, "10"}, {-1, 2, "-1"}, {-5, 4, "-005"}};
    for (const auto& f : faelle) {
        std::string satz = "x";
        Dbase::Zahl(satz, f.wert, f.laenge);
        EXPECT_EQ(satz, std::string("x") + f.text) << f.wert;
    }
}

TEST(DbaseFelder, NumbersReadInEveryFormAColumnMayHold) {
    const struct {
        const char* feld;
        long wert;
        bool ok;
    } faelle[] = {{"0012", 12, true}, {"  12", 12, true}, {"12  ", 12, true}, {"-001", -1, true},
                  {" -1 ", -1, true}, {"+007", 7, true}, {"    ", 0, true},  {"1 2 ", 0, false},
                  {"-   ", 0, false}, {"12a4", 0, false}};
    for (const auto& f : faelle) {
        FeldZeiger z(f.feld);
        EXPECT_EQ(z.Zahl(4), f.wert) << f.feld;
        EXPECT_EQ(z.Ok(), f.ok) << f.feld;
    }
}

TEST(DbaseFelder, TwelveDigitsTakenAtOnceOnlyWhenAllAreDigits) {
    const std::string zeit = "199505140930";
    FeldZeiger z(zeit.c_str());
    EXPECT_EQ(z.Ziffern(12), zeit.c_str());
    for (size_t i = 0; i < zeit.size(); ++i) {
        for (const char c : {' ', '-', '/', ':'}) {
            std::string anders = zeit;
            anders[i] = c;
            EXPECT_EQ(FeldZeiger(anders.c_str()).Ziffern(12), nullptr) << anders;
        }
    }
}

TEST(DbaseFelder, TrailingBlanksCutAcrossWordSteps) {
    for (size_t text : {0, 1, 7, 8, 9, 16, 17, 173, 174}) {
        std::string feld = std::string(text, 'a') + std::string(174 - text, ' ');
        if (text > 2) feld[1] = ' ';  // blanks inside the text stay
        EXPECT_EQ(Dbase::OhneBlanksAmEnde(feld.data(), feld.size()), text) << text;
    }
}
