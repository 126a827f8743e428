// Source syntax, one directive per line ('#' starts a comment line):
//   type bitmap|icon|cursor|scene    compression rgb|rle4    hotspot X Y
//   colour C NAME                    image W H  (followed by H rows of W legend characters)
//   size W H NAME                    (scene canvas, then scene commands)
#include "Source.h"

#include "Scene.h"

#include <cstdlib>
#include <map>
#include <sstream>
#include <vector>

namespace imagegen {
namespace {

std::vector<std::string> SplitWords(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

bool ToSize(const std::string& word, int& value) {
    char* end = nullptr;
    const long v = std::strtol(word.c_str(), &end, 10);
    if (word.empty() || *end != '\0' || v < 0 || v > 1024) return false;
    value = static_cast<int>(v);
    return true;
}

class Parser {
public:
    explicit Parser(Picture& picture) : picture_(picture) {}

    bool Run(const std::string& text, std::string& error) {
        std::istringstream in(text);
        std::string line;
        while (std::getline(in, line)) {
            ++lineNo_;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (!Line(line)) {
                error = "line " + std::to_string(lineNo_) + ": " + error_;
                return false;
            }
        }
        if (!Finish()) {
            error = error_;
            return false;
        }
        return true;
    }

private:
    bool Fail(const std::string& why) {
        error_ = why;
        return false;
    }

    bool Line(const std::string& line) {
        if (rowsLeft_ > 0) return GridRow(line);
        const std::vector<std::string> words = SplitWords(line);
        if (words.empty() || words[0][0] == '#') return true;
        const std::string& d = words[0];
        if (d == "type") return Type(words);
        if (d == "compression" && words.size() == 2 && (words[1] == "rgb" || words[1] == "rle4")) {
            picture_.compression = words[1] == "rle4" ? Compression::Rle4 : Compression::Rgb;
            return true;
        }
        if (d == "hotspot" && words.size() == 3 && ToSize(words[1], picture_.hotspotX) &&
            ToSize(words[2], picture_.hotspotY)) {
            return true;
        }
        if (d == "colour") return Colour(words);
        if (d == "image" || d == "size") return NewImage(words);
        if (scene_ && !picture_.images.empty()) {
            const size_t open = line.find('"'), close = line.rfind('"');
            const std::string quoted = open < close ? line.substr(open + 1, close - open - 1) : std::string();
            const std::vector<std::string> head = SplitWords(line.substr(0, open));
            return RunSceneCommand(head, quoted, picture_.images.back(), error_);
        }
        return Fail("unknown or malformed directive: " + d);
    }

    bool Type(const std::vector<std::string>& words) {
        if (words.size() != 2) return Fail("type takes one word");
        const std::string& t = words[1];
        scene_ = t == "scene";
        if (t == "bitmap" || scene_) {
            picture_.kind = Kind::Bitmap;
        } else if (t == "icon") {
            picture_.kind = Kind::Icon;
        } else if (t == "cursor") {
            picture_.kind = Kind::Cursor;
        } else {
            return Fail("unknown type: " + t);
        }
        return true;
    }

    bool Colour(const std::vector<std::string>& words) {
        std::uint8_t value = 0;
        if (words.size() != 3 || words[1].size() != 1) return Fail("colour takes one character and a name");
        if (!ColourByName(words[2], value)) return Fail("unknown colour: " + words[2]);
        if (!legend_.emplace(words[1][0], value).second) return Fail("character defined twice: " + words[1]);
        return true;
    }

    bool NewImage(const std::vector<std::string>& words) {
        const bool isSize = words[0] == "size";
        if (isSize != scene_) return Fail(words[0] + (scene_ ? " is not for scenes" : " is only for scenes"));
        int w = 0, h = 0;
        std::uint8_t fill = kTransparent;
        if (words.size() != (isSize ? 4u : 3u) || !ToSize(words[1], w) || !ToSize(words[2], h) || w == 0 ||
            h == 0 || (isSize && !ColourByName(words[3], fill))) {
            return Fail("malformed " + words[0]);
        }
        picture_.images.emplace_back(w, h, fill);
        rowsLeft_ = isSize ? 0 : h;
        return true;
    }

    bool GridRow(const std::string& line) {
        Image& image = picture_.images.back();
        if (static_cast<int>(line.size()) != image.width) {
            return Fail("row has " + std::to_string(line.size()) + " characters, expected " +
                        std::to_string(image.width));
        }
        const int y = image.height - rowsLeft_;
        for (int x = 0; x < image.width; ++x) {
            const auto it = legend_.find(line[static_cast<size_t>(x)]);
            if (it == legend_.end()) return Fail(std::string("character not in legend: '") + line[x] + "'");
            image.Set(x, y, it->second);
        }
        --rowsLeft_;
        return true;
    }

    // Checks what each output format can hold.
    bool Finish() {
        if (rowsLeft_ > 0) return Fail("image ends " + std::to_string(rowsLeft_) + " rows early");
        if (picture_.images.empty()) return Fail("no image");
        if (picture_.kind != Kind::Icon && picture_.images.size() != 1) return Fail("only icons hold several images");
        if (picture_.kind != Kind::Bitmap && picture_.compression != Compression::Rgb) {
            return Fail("only bitmaps are compressed");
        }
        for (const Image& image : picture_.images) {
            if (picture_.kind != Kind::Bitmap && (image.width > 256 || image.height > 256)) {
                return Fail("icons and cursors are at most 256 pixels wide and high");
            }
            for (const std::uint8_t v : image.pixels) {
                if (picture_.kind == Kind::Bitmap && v == kTransparent) return Fail("bitmaps have no transparency");
                if (picture_.kind == Kind::Cursor && v != 0 && v != 15 && v != kTransparent) {
                    return Fail("cursors are black, white and transparent only");
                }
            }
        }
        const Image& first = picture_.images.front();
        if (picture_.hotspotX >= first.width || picture_.hotspotY >= first.height) return Fail("hotspot outside");
        return true;
    }

    Picture& picture_;
    std::map<char, std::uint8_t> legend_;
    bool scene_ = false;
    int rowsLeft_ = 0;
    int lineNo_ = 0;
    std::string error_;
};

}  // namespace

bool ParseSource(const std::string& text, Picture& picture, std::string& error) {
    picture = Picture();
    return Parser(picture).Run(text, error);
}

const char* ExtensionFor(Kind kind) {
    switch (kind) {
        case Kind::Icon:
            return ".ico";
        case Kind::Cursor:
            return ".cur";
        case Kind::Bitmap:
            break;
    }
    return ".bmp";
}

}  // namespace imagegen
