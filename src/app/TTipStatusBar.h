// Status bar whose hint text drives the tip: the part before the first line feed is the
// status hint, the part after it the tip of the button under the pointer.
#pragma once
#include "framework/StatusBar.h"

#include <string>

class TToolTip;

class TTipStatusBar : public StatusBar {
public:
    TTipStatusBar(TToolTip* tip, int messageGadget, int fontPoints);

    // nullptr clears the hint and hides the tip. `fromButtonBar` passes the tip part on.
    void SetHintText(const char* text, bool fromButtonBar);
    // Hint for a command: its resource string.
    void SetCommandHint(unsigned command, bool fromButtonBar);
    // Shown when the hint is cleared.
    void SetDefaultText(const std::string& text) { defaultText_ = text; }

private:
    TToolTip* tip_;
    int messageGadget_;
    std::string defaultText_;
};
