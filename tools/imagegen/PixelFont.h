// Built-in proportional pixel font: capital height 7 rows, descenders to row 8.
#pragma once

#include <string>
#include <vector>

namespace imagegen {

constexpr int kGlyphRows = 9;

// One-bit text mask: rows of '#'/'.' laid out with one empty column between glyphs.
// Returns false (and names the character) if the text has a character the font lacks.
bool RenderTextMask(const std::string& text, std::vector<std::string>& mask, std::string& error);

}  // namespace imagegen
