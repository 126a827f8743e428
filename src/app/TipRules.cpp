// PlaceTip: 22 pixels below the pointer, kept 2 pixels inside the left and right screen
// edges, moved up by 42 pixels at the bottom edge.
#include "app/TipRules.h"

TipRect PlaceTip(int x, int y, int textWidth, int textHeight, int style, int screenWidth, int screenHeight) {
    TipRect r{x - 2, y + 22, textWidth + 5, textHeight + 4};
    if (style == TipStyle::Rounded) {
        r.Left -= 1;
        r.Top -= 1;
        r.Width += 2;
        r.Height += 2;
    }
    if (r.Left < 0) r.Left = 2;
    else if (r.Left + r.Width > screenWidth) r.Left = screenWidth - r.Width - 2;
    if (r.Top + r.Height > screenHeight) r.Top -= 42;
    if (style == TipStyle::Shadow) {
        r.Width += 4;
        r.Height += 4;
    }
    return r;
}
