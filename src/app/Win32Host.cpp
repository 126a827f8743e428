// Win32Host: the Host seam on top of USER and KERNEL.
#include "app/Win32Host.h"

#include "app/AppName.h"
#include "core/ResString.h"
#include "framework/Window.h"

HWND Win32Host::MainHandle() const { return main_ ? main_->Handle() : nullptr; }

// The active window of this thread: an open dialog, so that the box keeps that dialog (and
// with it the calendar) disabled until it is answered; else the calendar window.
HWND Win32Host::Owner() const {
    HWND active = GetActiveWindow();
    return active ? active : MainHandle();
}

int Win32Host::Message(int textId, int captionId, unsigned style) {
    const char* text = LoadResString(textId);
    const char* caption = captionId ? LoadResString(captionId) : AppName;
    return MessageBoxA(Owner(), text, caption, style);
}

int Win32Host::MessageText(const std::string& text, const std::string& caption, unsigned style) {
    return MessageBoxA(Owner(), text.c_str(), caption.c_str(), style);
}

void Win32Host::Beep() { MessageBeep(0); }

void Win32Host::WaitCursor(bool on) {
    waitDepth_ += on ? 1 : -1;
    if (waitDepth_ < 0) waitDepth_ = 0;
    SetCursor(LoadCursor(nullptr, waitDepth_ ? IDC_WAIT : IDC_ARROW));
}

void Win32Host::PostToMain(unsigned msg, uintptr_t wParam, intptr_t lParam) {
    if (HWND main = MainHandle()) PostMessageA(main, msg, wParam, lParam);
}

intptr_t Win32Host::SendToMain(unsigned msg, uintptr_t wParam, intptr_t lParam) {
    HWND main = MainHandle();
    return main ? SendMessageA(main, msg, wParam, lParam) : 0;
}

void Win32Host::PostCommand(unsigned id) { PostToMain(WM_COMMAND, id, 0); }

LocalTime Win32Host::Now() {
    SYSTEMTIME st;
    GetLocalTime(&st);
    return LocalTime{st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond};
}
