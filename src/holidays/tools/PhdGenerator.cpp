// ordivo_phdgen <table.txt> <ORDIVO.PHD>: writes the holiday file from its readable table.
#include "holidays/FeiertagDatei.h"
#include "holidays/tools/FeiertagQuelle.h"

#include <cstdio>
#include <fstream>
#include <sstream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: ordivo_phdgen <table.txt> <ORDIVO.PHD>\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "%s: cannot read\n", argv[1]);
        return 1;
    }
    std::stringstream text;
    text << in.rdbuf();
    std::string fehler;
    FeiertagTabelle tabelle{};
    if (!LeseFeiertagQuelle(text.str(), tabelle, fehler)) {
        std::fprintf(stderr, "%s: %s\n", argv[1], fehler.c_str());
        return 1;
    }
    if (!SpeichereFeiertage(tabelle, argv[2])) {
        std::fprintf(stderr, "%s: cannot write\n", argv[2]);
        return 1;
    }
    return 0;
}
