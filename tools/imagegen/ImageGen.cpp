// Directory driver of the image generator: read source, parse, encode, write.
#include "ImageGen.h"

#include "Encoders.h"
#include "Source.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace imagegen {

namespace fs = std::filesystem;

bool GenerateAll(const std::string& srcDir, const std::string& outDir, std::vector<std::string>& written,
                 std::string& error) {
    std::error_code ec;
    std::vector<fs::path> sources;
    for (const fs::directory_entry& entry : fs::directory_iterator(srcDir, ec)) {
        if (entry.path().extension() == ".txt") sources.push_back(entry.path());
    }
    if (ec) {
        error = srcDir + ": " + ec.message();
        return false;
    }
    std::sort(sources.begin(), sources.end());
    for (const fs::path& source : sources) {
        std::ifstream in(source, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        Picture picture;
        if (!in || !ParseSource(text.str(), picture, error)) {
            error = source.filename().string() + ": " + (in ? error : "cannot read");
            return false;
        }
        const Bytes bytes = EncodePicture(picture);
        const std::string name = source.stem().string() + ExtensionFor(picture.kind);
        std::ofstream out(fs::path(outDir) / name, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush()) {
            error = name + ": cannot write into " + outDir;
            return false;
        }
        written.push_back(name);
    }
    return true;
}

}  // namespace imagegen
