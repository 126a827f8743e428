// Scene commands. Coordinates are pixels from the top-left corner; everything is
// clipped to the canvas.
#include "Scene.h"

#include "PixelFont.h"

#include <cstdlib>

namespace imagegen {
namespace {

bool ToInt(const std::string& word, int& value) {
    char* end = nullptr;
    const long v = std::strtol(word.c_str(), &end, 10);
    if (word.empty() || *end != '\0' || v < -100000 || v > 100000) return false;
    value = static_cast<int>(v);
    return true;
}

// Reads words[1..count] as integers followed by one opaque colour name.
bool Arguments(const std::vector<std::string>& words, size_t count, std::vector<int>& numbers,
               std::uint8_t& colour, std::string& error) {
    if (words.size() != count + 2) {
        error = words[0] + " takes " + std::to_string(count) + " numbers and a colour";
        return false;
    }
    numbers.resize(count);
    for (size_t i = 0; i < count; ++i) {
        if (!ToInt(words[i + 1], numbers[i])) {
            error = "not a number: " + words[i + 1];
            return false;
        }
    }
    if (!ColourByName(words.back(), colour) || colour == kTransparent) {
        error = "not a colour: " + words.back();
        return false;
    }
    return true;
}

void Line(Image& canvas, int x0, int y0, int x1, int y1, std::uint8_t colour) {
    const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        canvas.Set(x0, y0, colour);
        if (x0 == x1 && y0 == y1) return;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

// text <left|centre|right> x y colour smooth block "text": the font mask is doubled by
// Scale2x `smooth` times, then each pixel becomes a block x block square; y is the top.
bool Text(const std::vector<std::string>& words, const std::string& quoted, Image& canvas, std::string& error) {
    if (words.size() != 7) {
        error = "text takes alignment, x, y, colour, smooth, block and a quoted text";
        return false;
    }
    int x = 0, y = 0, smooth = 0, block = 0;
    std::uint8_t colour = 0;
    if (!ToInt(words[2], x) || !ToInt(words[3], y) || !ToInt(words[5], smooth) || !ToInt(words[6], block) ||
        smooth < 0 || smooth > 3 || block < 1 || block > 8) {
        error = "bad text position or scale";
        return false;
    }
    if (!ColourByName(words[4], colour) || colour == kTransparent) {
        error = "not a colour: " + words[4];
        return false;
    }
    std::vector<std::string> mask;
    if (!RenderTextMask(quoted, mask, error)) return false;
    for (int i = 0; i < smooth; ++i) mask = Scale2x(mask);
    const int width = static_cast<int>(mask[0].size()) * block;
    if (words[1] == "centre") {
        x -= width / 2;
    } else if (words[1] == "right") {
        x -= width;
    } else if (words[1] != "left") {
        error = "alignment must be left, centre or right";
        return false;
    }
    for (size_t r = 0; r < mask.size(); ++r) {
        for (size_t c = 0; c < mask[r].size(); ++c) {
            if (mask[r][c] != '#') continue;
            for (int by = 0; by < block; ++by) {
                for (int bx = 0; bx < block; ++bx) {
                    canvas.Set(x + static_cast<int>(c) * block + bx, y + static_cast<int>(r) * block + by, colour);
                }
            }
        }
    }
    return true;
}

}  // namespace

std::vector<std::string> Scale2x(const std::vector<std::string>& mask) {
    const int h = static_cast<int>(mask.size());
    const int w = h > 0 ? static_cast<int>(mask[0].size()) : 0;
    auto at = [&](int x, int y) { return x < 0 || y < 0 || x >= w || y >= h ? '.' : mask[y][x]; };
    std::vector<std::string> out(static_cast<size_t>(h) * 2, std::string(static_cast<size_t>(w) * 2, '.'));
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const char e = at(x, y), b = at(x, y - 1), d = at(x - 1, y), f = at(x + 1, y), hh = at(x, y + 1);
            out[2 * y][2 * x] = d == b && b != hh && d != f ? d : e;
            out[2 * y][2 * x + 1] = b == f && b != d && f != hh ? f : e;
            out[2 * y + 1][2 * x] = d == hh && d != b && hh != f ? d : e;
            out[2 * y + 1][2 * x + 1] = hh == f && d != hh && b != f ? f : e;
        }
    }
    return out;
}

bool RunSceneCommand(const std::vector<std::string>& words, const std::string& quoted, Image& canvas,
                     std::string& error) {
    const std::string& name = words[0];
    if (name == "text") return Text(words, quoted, canvas, error);
    std::vector<int> n;
    std::uint8_t colour = 0;
    if (name == "fill" || name == "frame") {
        // fill/frame x y width height colour
        if (!Arguments(words, 4, n, colour, error)) return false;
        for (int y = n[1]; y < n[1] + n[3]; ++y) {
            for (int x = n[0]; x < n[0] + n[2]; ++x) {
                const bool edge = x == n[0] || y == n[1] || x == n[0] + n[2] - 1 || y == n[1] + n[3] - 1;
                if (name == "fill" || edge) canvas.Set(x, y, colour);
            }
        }
        return true;
    }
    if (name == "line") {
        // line x0 y0 x1 y1 colour
        if (!Arguments(words, 4, n, colour, error)) return false;
        Line(canvas, n[0], n[1], n[2], n[3], colour);
        return true;
    }
    if (name == "disc") {
        // disc cx cy radius colour: pixels whose centre lies within radius + 1/2
        if (!Arguments(words, 3, n, colour, error)) return false;
        for (int y = n[1] - n[2]; y <= n[1] + n[2]; ++y) {
            for (int x = n[0] - n[2]; x <= n[0] + n[2]; ++x) {
                const int dx = x - n[0], dy = y - n[1];
                if (dx * dx + dy * dy <= n[2] * n[2] + n[2]) canvas.Set(x, y, colour);
            }
        }
        return true;
    }
    error = "unknown command: " + name;
    return false;
}

}  // namespace imagegen
