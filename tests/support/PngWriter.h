// Writes 24-bit RGB pixels as a PNG file (uncompressed deflate blocks), for screenshots
// taken by the tests.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// rgb: width * height * 3 bytes, rows top to bottom. False when the file cannot be written.
bool WritePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb);
// The encoded file bytes.
std::vector<uint8_t> EncodePng(int width, int height, const std::vector<uint8_t>& rgb);
