// The exports read by independent libraries (Debian's libical, python3-icalendar and
// python3-vobject): no warnings, and the values the program wrote. Skipped with a note when
// a library is not installed.
#include "interop/ICalExport.h"
#include "interop/VCard.h"
#include "store/DateiTestHilfe.h"
#include "store/JahresKopien.h"
#include "store/TerminFixtures.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {
bool Da(const char* befehl) { return std::system((std::string(befehl) + " >/dev/null 2>&1").c_str()) == 0; }

// A calendar with every kind of record the export writes differently.
class Orakel : public DateiTest {
protected:
    void SetUp() override {
        Adresse a;
        Adresse::Setze(a.FIRMA, "M\xFCller GmbH");
        Adresse::Setze(a.NAME1, "J\xFCrgen M\xFCller");
        Adresse::Setze(a.PLZORT, "50667 K\xF6ln");
        Adresse::Setze(a.TELEFON, "0221 1");
        Adresse::Setze(a.FAX, "0221 2");
        Adresse::Setze(a.SORT, "MUELLER");
        a.BEMERK = "Zeile 1\r\nZeile 2; mit, Zeichen";
        a.ID = 1;
        ASSERT_GE(AdrListe.EinfuegenSortiert(a), 0);
        Termin t = MachTermin(2026, 3, 14, 9, 30, 10, 45, FlagErledigt, "Gr\xFC\xDF" "e, M\xFCller; \\");
        t.Beschr = std::string(200, '\xE4') + "\r\n#[C:\\prog.exe]";
        t.Vorwarnung = MachZeitpunkt(2026, 3, 14, 9, 0);
        t.AdrId = 1;
        t.Id = 3;
        Termin g = MachTermin(2026, 6, 2, 0, 0, 0, 0, FlagOhneZeit | FlagOhneEnde | FlagJaehrlich, "Geburtstag");
        g.Ende = MachZeitpunkt(1, 0, 0);
        g.Id = 4;
        std::vector<Termin> alle{t, g, MachTermin(2026, 3, 21, 9, 30, 0, 0, FlagOhneEnde, "Serie")};
        alle.back().Id = 3;
        for (const Termin& k : ErzeugeKopien(g)) alle.push_back(k);
        ASSERT_TRUE(Liste.EinfuegenMehrere(alle));
        ics = dir.Datei("termine.ics");
        SchreibBytes(ics, ICalAusListe(Liste, AdrListe, MachZeitpunkt(2026, 12, 5, 11, 0)));
    }
    std::string ics;
};
}  // namespace

TEST_F(Orakel, LibicalFindsNoErrors) {
    if (!Da("cc --version") || !Da("pkg-config --exists libical")) GTEST_SKIP() << "libical-dev (and cc) not installed";
    const std::string quelle = dir.Datei("pruefe.c"), programm = dir.Datei("pruefe");
    SchreibBytes(quelle,
                 "#include <libical/ical.h>\n#include <stdio.h>\n#include <stdlib.h>\n"
                 "int main(int argc, char** argv) {\n"
                 "  FILE* f = fopen(argv[1], \"rb\"); static char b[1 << 20]; size_t n = fread(b, 1, sizeof b - 1, f);\n"
                 "  b[n] = 0; icalcomponent* c = icalparser_parse_string(b);\n"
                 "  if (!c) { puts(\"unlesbar\"); return 1; }\n"
                 "  icalrestriction_check(c);\n"
                 "  printf(\"fehler %d\\n\", icalcomponent_count_errors(c));\n"
                 "  for (icalcomponent* e = icalcomponent_get_first_component(c, ICAL_VEVENT_COMPONENT); e;\n"
                 "       e = icalcomponent_get_next_component(c, ICAL_VEVENT_COMPONENT))\n"
                 "    printf(\"%s|%s\\n\", icalcomponent_get_summary(e), icaltime_as_ical_string(icalcomponent_get_dtstart(e)));\n"
                 "  return 0; }\n");
    ASSERT_EQ(Ausgabe("cc -o " + programm + " " + quelle + " $(pkg-config --cflags --libs libical)"), "");
    EXPECT_EQ(Ausgabe(programm + " " + ics),
              "fehler 0\nGr\xC3\xBC\xC3\x9F" "e, M\xC3\xBCller; \\|20260314T093000\nSerie|20260321T093000\n"
              "Geburtstag|20260602\n");
}

TEST_F(Orakel, PythonIcalendarReadsTheValues) {
    if (!Da("/usr/bin/python3 -c 'import icalendar'")) GTEST_SKIP() << "python3-icalendar not installed";
    const std::string ausgabe = Ausgabe(
        "/usr/bin/python3 -c 'import sys, icalendar\n"
        "c = icalendar.Calendar.from_ical(open(sys.argv[1], \"rb\").read())\n"
        "fehler = [e for k in c.walk() for e in getattr(k, \"errors\", [])]\n"
        "print(\"fehler\", fehler)\n"
        "for e in c.walk(\"VEVENT\"):\n"
        "  a = [str(x.get(\"TRIGGER\").dt) for x in e.walk(\"VALARM\")]\n"
        "  print(e.get(\"SUMMARY\"), e.decoded(\"DTSTART\"), e.get(\"RRULE\", {}).get(\"FREQ\"), e.get(\"RELATED-TO\"), "
        "e.get(\"CONTACT\"), e.get(\"PRIORITY\"), a, sep=\"|\")\n"
        "print(len(list(c.walk(\"VEVENT\"))[0].get(\"DESCRIPTION\")))' " + ics);
    EXPECT_EQ(ausgabe,
              "fehler []\n"
              "Gr\xC3\xBC\xC3\x9F" "e, M\xC3\xBCller; \\|2026-03-14 09:30:00|None|ordivo-serie-3-20260314T093000@ordivo|"
              "M\xC3\xBCller GmbH, J\xC3\xBCrgen M\xC3\xBCller, 50667 K\xC3\xB6ln, Tel. 0221 1|5|['-1 day, 23:30:00']\n"
              "Serie|2026-03-21 09:30:00|None|ordivo-serie-3-20260314T093000@ordivo|None|5|[]\n"
              "Geburtstag|2026-06-02|['YEARLY']|None|None|5|[]\n"
              "215\n");
}

TEST_F(Orakel, PythonVobjectReadsTheVCards) {
    if (!Da("/usr/bin/python3 -c 'import vobject'")) GTEST_SKIP() << "python3-vobject not installed";
    const std::string vcf = dir.Datei("adressen.vcf");
    SchreibBytes(vcf, VCardAusAdressen(AdrListe));
    EXPECT_EQ(Ausgabe("/usr/bin/python3 -c 'import sys, vobject\n"
                      "for k in vobject.readComponents(open(sys.argv[1], encoding=\"utf-8\").read(), validate=True):\n"
                      "  print(k.version.value, k.fn.value, k.n.value.family, k.org.value, k.adr.value.city, k.adr.value.code,\n"
                      "        [(t.params.get(\"TYPE\"), t.value) for t in k.tel_list], repr(k.note.value), sep=\"|\")' " + vcf),
              "3.0|J\xC3\xBCrgen M\xC3\xBCller|J\xC3\xBCrgen M\xC3\xBCller|['M\xC3\xBCller GmbH']|K\xC3\xB6ln|50667|"
              "[(['VOICE'], '0221 1'), (['FAX'], '0221 2')]|'Zeile 1\\nZeile 2; mit, Zeichen'\n");
}
