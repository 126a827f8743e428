// Temporary files and byte access for the file tests, the common fixture with empty lists,
// plus the scripted password dialog.
#pragma once
#include "addresses/ClsAdrListe.h"
#include "store/ClsListe.h"
#include "support/FakeHost.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// A fresh directory per test, removed afterwards.
class TestVerzeichnis {
public:
    TestVerzeichnis() {
        static int zaehler = 0;
        pfad_ = std::filesystem::temp_directory_path() /
                ("ordivo-datei-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()) +
                 "-" + std::to_string(++zaehler));
        std::filesystem::create_directories(pfad_);
    }
    ~TestVerzeichnis() {
        std::error_code fehler;
        std::filesystem::remove_all(pfad_, fehler);
    }
    std::string Datei(const std::string& name) const { return (pfad_ / name).string(); }

private:
    std::filesystem::path pfad_;
};

// Empty appointment and address lists without a password, a scripted host and a fresh directory.
class DateiTest : public ::testing::Test {
protected:
    void SetUp() override {
        Liste.Leeren();
        Liste.Reserviere(ClsListe::StartKapazitaet);
        std::memset(Liste.Passwort, 0, sizeof Liste.Passwort);
        AdrListe.Initialisieren();
    }
    void TearDown() override {
        Liste.Leeren();
        AdrListe.Leeren();
    }
    FakeHost host;
    TestVerzeichnis dir;
};

inline std::string LiesBytes(const std::string& pfad) {
    std::ifstream in(pfad, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void SchreibBytes(const std::string& pfad, const std::string& bytes) {
    std::ofstream(pfad, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
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
