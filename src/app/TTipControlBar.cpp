// TTipControlBar: hover hints during mouse moves, tip hidden on presses.
#include "app/TTipControlBar.h"

#include "app/TTipStatusBar.h"
#include "framework/DecoratedFrame.h"
#include "app/TToolTip.h"

TTipControlBar::TTipControlBar(TToolTip* tip) : tip_(tip) {}

bool TTipControlBar::HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg == WM_MOUSEMOVE) {
        const POINT pt{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
        if (GetCapture() != Handle() && CommandAt(pt) == 0 && tip_) tip_->SetTipText(std::string());
        inMouseMove_ = true;
        const bool handled = ControlBar::HandleMessage(msg, wp, lp, result);
        inMouseMove_ = false;
        return handled;
    }
    if (msg == WM_LBUTTONDOWN && tip_) tip_->SetTipText(std::string());
    return ControlBar::HandleMessage(msg, wp, lp, result);
}

void TTipControlBar::OnButtonHover(UINT command) {
    auto* frame = static_cast<DecoratedFrame*>(Parent());
    if (auto* status = frame ? dynamic_cast<TTipStatusBar*>(frame->Status()) : nullptr)
        status->SetCommandHint(command, inMouseMove_);
}
