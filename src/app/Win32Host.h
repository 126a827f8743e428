// The product's Host: message boxes owned by the calendar window, beeps, cursors,
// messages to the calendar window and the local clock.
#pragma once
#include "core/Host.h"

#include <windows.h>

class Window;

class Win32Host final : public Host {
public:
    // The calendar window that private messages go to; message boxes are owned by the
    // active window of the thread.
    void SetMainWindow(Window* main) { main_ = main; }

    int Message(int textId, int captionId, unsigned style) override;
    int MessageText(const std::string& text, const std::string& caption, unsigned style) override;
    void Beep() override;
    void WaitCursor(bool on) override;
    void PostToMain(unsigned msg, uintptr_t wParam, intptr_t lParam) override;
    intptr_t SendToMain(unsigned msg, uintptr_t wParam, intptr_t lParam) override;
    void PostCommand(unsigned id) override;
    LocalTime Now() override;

private:
    HWND MainHandle() const;
    HWND Owner() const;

    Window* main_ = nullptr;
    int waitDepth_ = 0;
};
