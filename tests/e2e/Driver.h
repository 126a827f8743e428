// Test-side driver for ordivo.exe under Wine: starts the program, finds its windows,
// posts commands, reads and sets control texts, clicks buttons, answers message boxes and
// captures windows to PNG files in build/.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// Directory of the test program (ordivo.exe and ORDIVO.DLL sit beside it).
std::string BinDir();
// A fresh empty directory below the system temp directory.
std::string MakeTempDir(const std::string& tag);
bool CopyFileTo(const std::string& from, const std::string& to);

// Registry helpers for the current user's hive.
void DeleteOrdivoSettings();
void SetUserString(const char* key, const char* name, const char* value);
std::string GetUserString(const char* key, const char* name);  // "" when absent
void DeleteUserValue(const char* key, const char* name);

class Program {
public:
    Program() = default;
    ~Program();  // kills the process if it still runs
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Starts `exe` (default: ordivo.exe beside the tests) with the command-line text.
    bool Start(const std::string& args = "", const std::string& exe = "");
    // Waits for the end; returns the exit code, or -1 on time-out.
    int Wait(DWORD ms = 15000);
    bool Running() const;
    DWORD Pid() const { return pid_; }

    // Top-level window of this process whose class starts with `cls`; nullptr on time-out.
    HWND WaitWindow(const char* cls, DWORD ms = 15000) const;
    HWND FindWindowOf(const char* cls) const;
    // A message box or dialog (#32770) of this process.
    HWND WaitDialog(DWORD ms = 15000) const;

private:
    HANDLE process_ = nullptr;
    DWORD pid_ = 0;
};

std::string WindowText(HWND wnd);
std::string ClassOf(HWND wnd);
void SetWindowTextTo(HWND wnd, const std::string& text);
// The message text of a message box (its static text control).
std::string MessageBoxText(HWND box);
// Clicks the button with `id` of a dialog or message box.
void ClickButton(HWND dialog, int id);
void PostCommand(HWND wnd, UINT id);
// Runs a command and returns once it is handled (not for commands that open a dialog).
void SendCommand(HWND wnd, UINT id);
// Child window of `parent` with window class `cls`.
HWND FindChild(HWND parent, const char* cls);
// Waits until the window's thread answers a sent message (sent messages overtake posted ones).
void Sync(HWND wnd);

struct Capture {
    int width = 0, height = 0;
    std::vector<unsigned char> rgb;  // rows top to bottom
    COLORREF Pixel(int x, int y) const;
};
// Copies the client area (or the whole window) as shown on the screen.
Capture CaptureWindow(HWND wnd, bool client = true);
// Saves a capture as build/<name>.png (next to the build tree).
bool SavePng(const Capture& cap, const std::string& name);

}  // namespace e2e
