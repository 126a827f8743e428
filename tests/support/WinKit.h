// The Windows test kit of the in-process Wine tests and the end-to-end runs: message pump
// and waiting, registry values, window texts and clicks, message-box answers, the program
// under test as another process, and one drawing surface / screen capture with pixels.
#pragma once
#include "framework/Gdi.h"

#include <windows.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace kit {

// Dispatches this thread's messages for `ms` milliseconds.
void Pump(DWORD ms);
// Pumps until `done` holds; false once `ms` have passed.
bool WaitFor(const std::function<bool()>& done, DWORD ms = 10000);

// Values under HKEY_CURRENT_USER.
void SetUserValue(const std::string& key, const char* name, DWORD type, const void* data, DWORD size);
void SetUserString(const std::string& key, const char* name, const std::string& value);
std::string UserString(const std::string& key, const char* name);  // "" when absent
void DeleteUserValue(const std::string& key, const char* name);
// Removes Software\kdw\Ordivo and marks the first start as done.
void FreshOrdivoSettings();
void DeleteOrdivoSettings();

// Remembers a value (or its absence) and puts it back when destroyed.
class SavedValue {
public:
    SavedValue(std::string key, std::string name);
    ~SavedValue();
    SavedValue(const SavedValue&) = delete;
    SavedValue& operator=(const SavedValue&) = delete;

private:
    std::string key_, name_;
    DWORD type_ = 0;
    std::vector<BYTE> data_;
    bool existed_;
};

// Windows and controls, of this or another process.
std::string WindowText(HWND wnd);
std::string ClassOf(HWND wnd);
void SetText(HWND wnd, const std::string& text);
HWND FindChild(HWND parent, const char* cls);
std::string MessageBoxText(HWND box);  // its longest static text
// Types `path` into the file name field of an open or save dialog and presses OK; false
// when the dialog has no such field.
bool EnterFileName(HWND dialog, const std::string& path);
void ClickButton(HWND dialog, int id);  // posted: the dialog's own loop handles it
void PostCommand(HWND wnd, UINT id);
void SendCommand(HWND wnd, UINT id);  // returns once handled (not for commands that open a dialog)
void Sync(HWND wnd);                  // sent messages overtake posted ones
// Invalidates the window and returns once its owner has painted it again.
void Repaint(HWND wnd);

// Answers the message boxes of this thread from `answers` (empty: Yes, which also ends an OK
// box) and records their texts and owners. With `takeDialog` set, the next dialog activated
// is the dialog under test and is left alone. Wine: the first box of a thread is activated
// before its text is set, so the text is read when the box is destroyed.
class BoxAnswers {
public:
    BoxAnswers();
    ~BoxAnswers();
    BoxAnswers(const BoxAnswers&) = delete;
    BoxAnswers& operator=(const BoxAnswers&) = delete;

    std::deque<int> answers;
    std::vector<std::string> texts;
    std::vector<HWND> owners;
    bool takeDialog = false;
    HWND dialog = nullptr;

    // Exactly the boxes of these string ids were shown since the last call.
    testing::AssertionResult Showed(std::initializer_list<int> ids);

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wp, LPARAM lp);
    std::vector<HWND> open_;
    HHOOK hook_;
};

// Opens a modal dialog with `open` and, once `boxes` has taken it, plays `script` on it from
// a timer of this thread (the dialog's own loop), then closes it with Close (IDCANCEL).
void PlayOnDialog(BoxAnswers& boxes, const std::function<void(HWND)>& script, const std::function<void()>& open);

// Directory of the test program (ordivo.exe and ORDIVO.DLL sit beside it).
std::string BinDir();
// A fresh empty directory below the system temp directory.
std::string MakeTempDir(const std::string& tag);

// ordivo.exe (or a copy) as another process, killed if it still runs at the end.
class Program {
public:
    Program() = default;
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool Start(const std::string& args = "", const std::string& exe = "");
    int Wait(DWORD ms = 15000);  // the exit code, or -1 on time-out
    bool Running() const;
    // A visible top-level window of this process whose class starts with `cls`.
    HWND WaitWindow(const char* cls, DWORD ms = 15000) const;
    HWND FindWindowOf(const char* cls) const { return WaitWindow(cls, 0); }
    HWND WaitDialog(DWORD ms = 15000) const { return WaitWindow("#32770", ms); }
    // A dialog or message box of this process whose longest text contains `part`.
    HWND WaitBox(const std::string& part, DWORD ms = 10000) const;
    HANDLE Process() const { return process_; }
    DWORD Id() const { return pid_; }

private:
    HANDLE process_ = nullptr;
    DWORD pid_ = 0;
};

// A 32-bit top-down DIB selected into a memory DC: a surface to draw on, or a copy of
// what the screen shows of a window.
class Surface {
public:
    Surface(int width, int height);
    explicit Surface(HWND wnd, bool client = true);
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    HDC Dc() const { return dc_.Get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    COLORREF Pixel(int x, int y) const;
    int Count(COLORREF colour) const;
    bool SavePng(const std::string& name) const;  // build/screenshots/<name>.png

private:
    explicit Surface(const RECT& screen);
    int width_, height_;
    uint32_t* bits_ = nullptr;
    gdi::MemoryDc dc_{nullptr};
    gdi::Bitmap bitmap_;
    gdi::SelectGuard select_;
};

}  // namespace kit
