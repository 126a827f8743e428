// LoadResString for native tests: the strings of resources/*.rc, two alternating buffers.
#include "core/ResString.h"
#include "support/RcStringTable.h"

#include <cstring>

const char* LoadResString(int id) {
    static const RcStrings strings = ReadRcStrings(ORDIVO_SOURCE_DIR);
    static char buffers[2][256];
    static int next = 0;
    char* buf = buffers[next];
    next ^= 1;
    auto it = strings.find(id);
    const std::string text = it == strings.end() ? std::string() : it->second;
    std::strncpy(buf, text.c_str(), 255);
    buf[255] = '\0';
    return buf;
}
