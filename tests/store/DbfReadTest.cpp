// The exports open in an independent dBase III reader (Debian's python3-dbfread) with the
// values the program wrote.
#include "addresses/ClsAdrListe.h"
#include "store/ClsListe.h"
#include "store/DateiTestHilfe.h"
#include "document/KalenderDatei.h"
#include "store/TerminFixtures.h"
#include "support/FakeHost.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

namespace {
// Runs dbfread over `pfad` and returns one line per record: the fields joined by '|'.
std::string MitDbfread(const std::string& pfad) {
    const std::string befehl =
        "/usr/bin/python3 -c 'import sys, dbfread\n"
        "t = dbfread.DBF(sys.argv[1], encoding=\"cp850\", char_decode_errors=\"strict\")\n"
        "print(\",\".join(t.field_names))\n"
        "for r in t: print(\"|\".join(str(v) for v in r.values()))' " + pfad;
    return Ausgabe(befehl);
}

class DbfRead : public DateiTest {};
}  // namespace

TEST_F(DbfRead, AppointmentExport) {
    Termin t = MachTermin(1995, 5, 14, 9, 30, 10, 0, 0x4011, "Gr\xFC\xDF" "e");
    t.Beschr = std::string(300, 'x');
    t.AdrId = 42;
    t.Id = 7;
    ASSERT_TRUE(Liste.Einfuegen(t));
    ASSERT_TRUE(Liste.Einfuegen(MachTermin(2026, 12, 31, 23, 59, 23, 59)));
    const std::string pfad = dir.Datei("termine.dbf");
    ASSERT_TRUE(SchreibeDatei(doc, pfad, ModusTerminExport));

    const std::string erwartet =
        "JAHR,MONAT,TAG,STUNDE,MINUTE,JAHR2,MONAT2,TAG2,STUNDE2,MINUTE2,KURZBESCHR,ADRID,BLOCKS,BESCHR,"
        "JAHRV,MONATV,TAGV,STUNDEV,MINUTEV,JAHRH,MONATH,TAGH,STUNDEH,MINUTEH,ID,FLAGS\n"
        "1995|5|14|9|30|1995|5|14|10|0|Grüße|42|002|" + std::string(174, 'x') +
        "|0|0|0|0|0|0|0|0|0|0|7|16401\n"
        "2026|12|31|23|59|2026|12|31|23|59||0|000||0|0|0|0|0|0|0|0|0|0|0|0\n";
    EXPECT_EQ(MitDbfread(pfad), erwartet);
}

TEST_F(DbfRead, AddressExport) {
    Adresse a;
    Adresse::Setze(a.FIRMA, "\xC4pfel & Birnen");
    Adresse::Setze(a.NAME1, "J\xF6rg");
    Adresse::Setze(a.PLZORT, "80331 M\xFCnchen");
    Adresse::Setze(a.TELEFON, "089 12");
    Adresse::Setze(a.SORT, "APFEL");
    a.ID = 3;
    a.FLAGS = 5;
    a.BEMERK = std::string(250, 'b');
    ASSERT_GE(AdrListe.EinfuegenSortiert(a), 0);
    const std::string pfad = dir.Datei("adressen.dbf");
    ASSERT_TRUE(SchreibeDatei(doc, pfad, ModusAdressExport));

    const std::string erwartet =
        "FIRMA,ANREDE,NAME1,NAME2,STRASSE,PLZORT,LAND,TELEFON,FAX,SORT,BTX,ID,FLAGS,BLOCKS,BEMERK\n"
        "Äpfel & Birnen||Jörg|||80331 München||089 12||APFEL||3|5|001|" + std::string(196, 'b') + "\n";
    EXPECT_EQ(MitDbfread(pfad), erwartet);
}
