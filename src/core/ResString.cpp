// LoadResString from the resource library, two alternating 256-character buffers.
#include "core/ResString.h"

#include "core/ProgramPath.h"

const char* LoadResString(int id) {
    static char buffers[2][256];
    static int next = 0;
    char* buf = buffers[next];
    next ^= 1;
    buf[0] = '\0';
    if (ResourceModule()) LoadStringA(ResourceModule(), static_cast<UINT>(id), buf, 256);
    return buf;
}
