// The common fixture of the file tests with empty lists and a fresh directory,
// plus the scripted password dialog.
#pragma once
#include "document/Dokument.h"
#include "support/FakeHost.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
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

// What a shell command prints on stdout and stderr.
inline std::string Ausgabe(const std::string& befehl) {
    std::string ausgabe;
    std::FILE* p = popen((befehl + " 2>&1").c_str(), "r");
    if (!p) return "popen failed";
    char puffer[65536];
    size_t n;
    while ((n = std::fread(puffer, 1, sizeof puffer, p)) > 0) ausgabe.append(puffer, n);
    pclose(p);
    return ausgabe;
}

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
