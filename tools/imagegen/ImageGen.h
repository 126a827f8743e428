// Turns every picture source (*.txt) of a directory into its binary resource file.
#pragma once

#include <string>
#include <vector>

namespace imagegen {

// Writes <stem>.bmp/.ico/.cur into outDir for each source in srcDir (sorted by name);
// `written` receives the output file names. Stops at the first error.
bool GenerateAll(const std::string& srcDir, const std::string& outDir, std::vector<std::string>& written,
                 std::string& error);

}  // namespace imagegen
