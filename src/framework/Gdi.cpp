// Live-object counter and font helper for the GDI wrappers.
#include "framework/Gdi.h"

namespace gdi {
namespace {
long live = 0;
}

long LiveObjects() { return live; }
void CountCreated() { ++live; }
void CountDeleted() { --live; }

HFONT CreatePointFont(const char* face, int points, int weight) {
    WindowDc screen(nullptr);
    LOGFONTA lf{};
    lf.lfHeight = -MulDiv(points, GetDeviceCaps(screen.Get(), LOGPIXELSY), 72);
    lf.lfWeight = weight;
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(lf.lfFaceName, face, LF_FACESIZE);
    return CreateFontIndirectA(&lf);
}

}  // namespace gdi
