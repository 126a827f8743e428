// Reader of the readable picture sources: a header of directives, a colour legend and
// character grids, or (type scene) drawing commands for larger pictures.
#pragma once

#include "Picture.h"

#include <string>

namespace imagegen {

// Parses one source text. On failure returns false with "line N: reason" in error.
bool ParseSource(const std::string& text, Picture& picture, std::string& error);

// File extension (".bmp", ".ico", ".cur") of the output for a picture kind.
const char* ExtensionFor(Kind kind);

}  // namespace imagegen
