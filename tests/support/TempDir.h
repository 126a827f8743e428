// A fresh directory per test, removed with its files afterwards, and whole-file byte access.
#pragma once
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

class TempDir {
public:
    TempDir() { std::filesystem::create_directories(pfad_); }
    ~TempDir() {
        std::error_code ignoriert;
        std::filesystem::remove_all(pfad_, ignoriert);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::string Datei(const std::string& name) const { return (pfad_ / name).string(); }

private:
    static inline int zaehler_ = 0;
    std::filesystem::path pfad_ = std::filesystem::temp_directory_path() /
                                  ("ordivo-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()) +
                                   "-" + std::to_string(++zaehler_));
};

inline std::string LiesBytes(const std::string& pfad) {
    std::ifstream in(pfad, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void SchreibBytes(const std::string& pfad, const std::string& bytes) {
    std::ofstream(pfad, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}
