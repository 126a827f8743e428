// The common fixture of the file tests with empty lists and a fresh directory,
// plus the scripted password dialog.
#pragma once
#include "document/Dokument.h"
#include "support/FakeHost.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>

// Empty appointment and address lists without a password, a scripted host and a fresh directory.
class DateiTest : public ::testing::Test {
protected:
    DateiTest() {
        Liste.Reserviere(ClsListe::StartKapazitaet);
        AdrListe.Initialisieren();
    }
    FakeHost host;
    TempDir dir;
    Dokument doc;
    ClsListe& Liste = doc.Liste;
    ClsAdrListe& AdrListe = doc.AdrListe;
    std::string& Dateiname = doc.Dateiname;
};

// Answers of the password dialog, one text per question (empty queue: cancelled).
struct PasswortEingaben {
    static std::deque<std::string>& Texte() {
        static std::deque<std::string> texte;
        return texte;
    }
    static int& Fragen() {
        static int n = 0;
        return n;
    }
};
