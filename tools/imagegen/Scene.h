// Drawing commands of scene sources: rectangles, lines, discs and pixel-font text.
#pragma once

#include "Picture.h"

#include <string>
#include <vector>

namespace imagegen {

// Runs one command (words[0] is its name; quoted text is passed separately) on the canvas.
bool RunSceneCommand(const std::vector<std::string>& words, const std::string& quoted, Image& canvas,
                     std::string& error);

// Scale2x: doubles a one-bit mask and rounds its staircase diagonals.
std::vector<std::string> Scale2x(const std::vector<std::string>& mask);

}  // namespace imagegen
