// The in-place editor: a one-line edit control (id 222, border, automatic horizontal
// scrolling, 64 characters) over a line of the calendar. Enter posts message 0x590 to the
// calendar window instead of reaching the control. Owns its window; movable, so that a
// commit can take it over while a question it asks is open.
#pragma once
#include <windows.h>

#include <string>

class ClsEditTerm {
public:
    static constexpr int Id = 222;
    static constexpr int Height = 24;

    ClsEditTerm() = default;
    ~ClsEditTerm() { Close(); }
    ClsEditTerm(const ClsEditTerm&) = delete;
    ClsEditTerm& operator=(const ClsEditTerm&) = delete;
    ClsEditTerm(ClsEditTerm&& o) noexcept;
    ClsEditTerm& operator=(ClsEditTerm&& o) noexcept;

    // Creates the control at (x, y), `width` wide, with `text` and the caret after it.
    bool Open(HWND parent, int x, int y, int width, const std::string& text);
    void Close();  // destroys the control if its window still exists
    bool IsOpen() const { return wnd_ != nullptr; }
    bool Exists() const { return wnd_ && IsWindow(wnd_); }
    HWND Handle() const { return wnd_; }
    bool HasFocus() const { return wnd_ && GetFocus() == wnd_; }
    void Focus() const;
    // The first line, at most 63 characters.
    std::string FirstLine() const;

private:
    static LRESULT CALLBACK Proc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);

    HWND wnd_ = nullptr;
};
