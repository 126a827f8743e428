// imagegen <source dir> <output dir>: regenerates the program's picture resources.
#include "ImageGen.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: imagegen <source dir> <output dir>\n");
        return 2;
    }
    std::vector<std::string> written;
    std::string error;
    if (!imagegen::GenerateAll(argv[1], argv[2], written, error)) {
        std::fprintf(stderr, "imagegen: %s\n", error.c_str());
        return 1;
    }
    std::printf("imagegen: wrote %zu files into %s\n", written.size(), argv[2]);
    return 0;
}
