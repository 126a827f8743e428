// Button bar that shows the hint and tip of the button under the pointer and hides the
// tip when the pointer leaves the buttons or a button is pressed.
#pragma once
#include "framework/ControlBar.h"

class TToolTip;

class TTipControlBar : public ControlBar {
public:
    explicit TTipControlBar(TToolTip* tip);

protected:
    bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
    void OnButtonHover(UINT command) override;

private:
    TToolTip* tip_;
    bool inMouseMove_ = false;  // set while the bar handles a mouse move
};
