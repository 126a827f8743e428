// vCard export and import: the address book survives the round trip with umlauts, cards of
// other programs (4.0) fill the fields and the remark, damaged files add nothing.
#include "interop/VCard.h"
#include "support/FakeHost.h"

#include <gtest/gtest.h>

namespace {
std::vector<std::string> Felder(const Adresse& a) {
    return {a.FIRMA, a.ANREDE, a.NAME1, a.NAME2, a.STRASSE, a.PLZORT, a.LAND, a.TELEFON, a.FAX, a.BTX, a.SORT,
            std::to_string(a.FLAGS), a.BEMERK};
}
}  // namespace

TEST(VCard, AddressBookRoundTripKeepsEveryField) {
    FakeHost host;
    ClsAdrListe liste;
    liste.Initialisieren();
    Adresse a;
    Adresse::Setze(a.FIRMA, "B\xE4" "ckerei; Gr\xFC\xDF, & Co");
    Adresse::Setze(a.ANREDE, "Frau");
    Adresse::Setze(a.NAME1, "J\xFCrgens, Anna");
    Adresse::Setze(a.NAME2, "z. Hd. Einkauf");
    Adresse::Setze(a.STRASSE, "Stra\xDF" "e 1");
    Adresse::Setze(a.PLZORT, "80331 M\xFCnchen");
    Adresse::Setze(a.LAND, "\xD6sterreich");
    Adresse::Setze(a.TELEFON, "089 12");
    Adresse::Setze(a.FAX, "089 13");
    Adresse::Setze(a.BTX, "*4711#");
    Adresse::Setze(a.SORT, "B\xC4" "CKER");
    a.FLAGS = 0x85;
    a.BEMERK = std::string(300, 'r') + "\r\nZeile \x80";
    a.ID = 1;
    Adresse b;
    Adresse::Setze(b.FIRMA, "Nur Firma");
    Adresse::Setze(b.PLZORT, "Wien");
    Adresse::Setze(b.SORT, "NUR");
    b.ID = 2;
    ASSERT_GE(liste.EinfuegenSortiert(a), 0);
    ASSERT_GE(liste.EinfuegenSortiert(b), 0);

    const std::string vcf = VCardAusAdressen(liste);
    EXPECT_NE(vcf.find("\r\nADR:;z. Hd. Einkauf;Stra\xC3\x9F" "e 1;M\xC3\xBCnchen;;80331;\xC3\x96sterreich\r\n"),
              std::string::npos);
    VCardErgebnis e = LiesVCard(vcf);
    ASSERT_EQ(e.FehlerZeile, 0);
    ASSERT_EQ(e.Adressen.size(), 2u);
    EXPECT_EQ(Felder(e.Adressen[0]), Felder(a));
    EXPECT_EQ(Felder(e.Adressen[1]), Felder(b));
}

TEST(VCard, CardsOfOtherProgramsFillFieldsAndRemark) {
    const std::string vcf =
        "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Dr. Erika Mustermann\r\nN:Mustermann;Erika;;Dr.;\r\n"
        "ORG:Beispiel AG;Vertrieb\r\nADR;TYPE=work:;;Hauptstra\xC3\x9F" "e 5;K\xC3\xB6ln;;50667;Deutschland\r\n"
        "ADR;TYPE=home:;;Nebenweg 1;Bonn;;53111;\r\nTEL;VALUE=uri;TYPE=\"voice,work\":tel:+49-221-1234\r\n"
        "TEL;TYPE=fax:tel:+49-221-9999\r\nTEL;TYPE=cell:0170 1\r\nEMAIL:erika@example.org\r\n"
        "NOTE:Kundin seit 2020\r\nEND:VCARD\r\n"
        "BEGIN:VCARD\nVERSION:3.0\nFN:Nur Firma GmbH\nORG:Nur Firma GmbH\nEND:VCARD\n"
        "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=ISO-8859-1:M\xFCller;Hans\r\nTEL;FAX:1\r\nEND:VCARD\r\n"
        "BEGIN:VCARD\r\nVERSION:3.0\r\nN:;;;;\r\nEND:VCARD\r\n";
    const VCardErgebnis e = LiesVCard(vcf);
    ASSERT_EQ(e.FehlerZeile, 0);
    ASSERT_EQ(e.Adressen.size(), 3u);
    EXPECT_EQ(Felder(e.Adressen[0]),
              (std::vector<std::string>{"Beispiel AG", "Dr.", "Erika Mustermann", "", "Hauptstra\xDF" "e 5",
                                        "50667 K\xF6ln", "Deutschland", "+49-221-1234", "+49-221-9999", "",
                                        "Beispiel ", "0",
                                        "Kundin seit 2020\r\nAdresse: Nebenweg 1, 53111 Bonn\r\nTelefon: 0170 1\r\n"
                                        "E-Mail: erika@example.org"}));
    EXPECT_EQ(std::string(e.Adressen[1].FIRMA) + "|" + e.Adressen[1].NAME1, "Nur Firma GmbH|");
    EXPECT_EQ(std::string(e.Adressen[2].NAME1) + "|" + e.Adressen[2].FAX, "Hans M\xFCller|1");
    EXPECT_EQ(e.OhneName, 1);
}

TEST(VCard, DamagedFileAddsNothingAndImportNumbersTheAddresses) {
    for (const char* kaputt : {"BEGIN:VCARD\r\nFN:a\r\n", "FN:a\r\n", "BEGIN:VCARD\r\nBEGIN:VCARD\r\n", ""})
        EXPECT_GT(LiesVCard(kaputt).FehlerZeile, 0) << kaputt;

    FakeHost host;
    ClsAdrListe liste;
    liste.Initialisieren();
    VCardErgebnis e = LiesVCard("BEGIN:VCARD\r\nFN:Zoe\r\nEND:VCARD\r\nBEGIN:VCARD\r\nFN:Anton\r\nEND:VCARD\r\n");
    host.answers = {Mb::IdNo};
    EXPECT_FALSE(UebernimmAdressen(liste, e, {}));
    EXPECT_EQ(liste.Anzahl(), 0);
    EXPECT_EQ(host.messages.back().text, "2 Adressen importieren?");
    EXPECT_TRUE(UebernimmAdressen(liste, e, {1, 2, 1}));  // numbers appointments still link to are not given
    ASSERT_EQ(liste.Anzahl(), 2);
    EXPECT_EQ(std::string(liste.Satz(0).NAME1) + liste.Satz(1).NAME1, "AntonZoe");
    EXPECT_EQ(liste.Satz(0).ID + liste.Satz(1).ID, 3 + 4);
    EXPECT_TRUE(liste.Geaendert);
}
