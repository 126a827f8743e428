// TTipStatusBar: splits hint strings at the line feed.
#include "app/TTipStatusBar.h"

#include "app/TToolTip.h"
#include "core/ResString.h"

TTipStatusBar::TTipStatusBar(TToolTip* tip, int messageGadget, int fontPoints)
    : StatusBar(fontPoints), tip_(tip), messageGadget_(messageGadget) {}

void TTipStatusBar::SetHintText(const char* text, bool fromButtonBar) {
    if (!text) {
        if (tip_) tip_->SetTipText(std::string());
        SetText(messageGadget_, defaultText_);
        return;
    }
    std::string hint = text;
    const size_t lf = hint.find('\n');
    if (lf != std::string::npos) {
        if (fromButtonBar && tip_) tip_->SetTipText(hint.substr(lf + 1));
        hint.resize(lf);
    } else if (fromButtonBar && tip_) {
        tip_->SetTipText(std::string());  // a hint without a tip part shows no tip
    }
    SetText(messageGadget_, hint);
}

void TTipStatusBar::SetCommandHint(unsigned command, bool fromButtonBar) {
    SetHintText(command ? LoadResString(static_cast<int>(command)) : nullptr, fromButtonBar);
}
