// Driver implementation: processes, window search, control texts, captures.
#include "e2e/Driver.h"

#include "support/PngWriter.h"

#include <shlwapi.h>

namespace e2e {

std::string BinDir() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string dir = path;
    return dir.substr(0, dir.find_last_of('\\'));
}

std::string MakeTempDir(const std::string& tag) {
    char tmp[MAX_PATH] = {};
    GetTempPathA(sizeof tmp, tmp);
    static int counter = 0;
    std::string dir = std::string(tmp) + "ordivo-" + tag + "-" + std::to_string(GetCurrentProcessId()) +
                      "-" + std::to_string(++counter);
    CreateDirectoryA(dir.c_str(), nullptr);
    return dir;
}

bool CopyFileTo(const std::string& from, const std::string& to) {
    return CopyFileA(from.c_str(), to.c_str(), FALSE) != 0;
}

void DeleteOrdivoSettings() { SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\kdw\\Ordivo"); }

void SetUserString(const char* key, const char* name, const char* value) {
    HKEY k;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr) !=
        ERROR_SUCCESS)
        return;
    RegSetValueExA(k, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                   static_cast<DWORD>(strlen(value) + 1));
    RegCloseKey(k);
}

std::string GetUserString(const char* key, const char* name) {
    HKEY k;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_QUERY_VALUE, &k) != ERROR_SUCCESS) return "";
    char buf[512] = {};
    DWORD size = sizeof buf - 1, type = 0;
    const LONG r = RegQueryValueExA(k, name, nullptr, &type, reinterpret_cast<BYTE*>(buf), &size);
    RegCloseKey(k);
    return r == ERROR_SUCCESS ? std::string(buf) : std::string();
}

void DeleteUserValue(const char* key, const char* name) {
    HKEY k;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_SET_VALUE, &k) != ERROR_SUCCESS) return;
    RegDeleteValueA(k, name);
    RegCloseKey(k);
}

Program::~Program() {
    if (process_) {
        if (Running()) {
            TerminateProcess(process_, 99);
            WaitForSingleObject(process_, 5000);
        }
        CloseHandle(process_);
    }
}

bool Program::Start(const std::string& args, const std::string& exe) {
    const std::string path = exe.empty() ? BinDir() + "\\ordivo.exe" : exe;
    std::string cmd = "\"" + path + "\"";
    if (!args.empty()) cmd += " " + args;
    const std::string dir = path.substr(0, path.find_last_of('\\'));
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(path.c_str(), &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(), &si, &pi))
        return false;
    CloseHandle(pi.hThread);
    process_ = pi.hProcess;
    pid_ = pi.dwProcessId;
    WaitForInputIdle(process_, 10000);
    return true;
}

int Program::Wait(DWORD ms) {
    if (!process_ || WaitForSingleObject(process_, ms) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return static_cast<int>(code);
}

bool Program::Running() const {
    return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

namespace {
struct Search {
    DWORD pid;
    const char* cls;
    HWND found;
};

BOOL CALLBACK MatchTopLevel(HWND wnd, LPARAM lp) {
    auto* s = reinterpret_cast<Search*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(wnd, &pid);
    if (pid != s->pid || !IsWindowVisible(wnd)) return TRUE;
    const std::string cls = ClassOf(wnd);
    if (cls.compare(0, strlen(s->cls), s->cls) != 0) return TRUE;
    s->found = wnd;
    return FALSE;
}

HWND PollWindow(DWORD pid, const char* cls, DWORD ms) {
    const DWORD start = GetTickCount();
    do {
        Search s{pid, cls, nullptr};
        EnumWindows(&MatchTopLevel, reinterpret_cast<LPARAM>(&s));
        if (s.found) return s.found;
        Sleep(50);
    } while (GetTickCount() - start < ms);
    return nullptr;
}
}  // namespace

HWND Program::WaitWindow(const char* cls, DWORD ms) const { return PollWindow(pid_, cls, ms); }
HWND Program::FindWindowOf(const char* cls) const { return PollWindow(pid_, cls, 0); }
HWND Program::WaitDialog(DWORD ms) const { return PollWindow(pid_, "#32770", ms); }

std::string WindowText(HWND wnd) {
    char buf[1024] = {};
    SendMessageTimeoutA(wnd, WM_GETTEXT, sizeof buf, reinterpret_cast<LPARAM>(buf), SMTO_ABORTIFHUNG, 5000,
                        nullptr);
    return buf;
}

std::string ClassOf(HWND wnd) {
    char cls[128] = {};
    GetClassNameA(wnd, cls, sizeof cls);
    return cls;
}

void SetWindowTextTo(HWND wnd, const std::string& text) {
    SendMessageTimeoutA(wnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG, 5000,
                        nullptr);
}

namespace {
BOOL CALLBACK LongestStatic(HWND wnd, LPARAM lp) {
    auto* best = reinterpret_cast<std::string*>(lp);
    if (ClassOf(wnd) == "Static") {
        std::string t = WindowText(wnd);
        if (t.size() > best->size()) *best = t;
    }
    return TRUE;
}

struct ChildSearch {
    const char* cls;
    HWND found;
};

BOOL CALLBACK MatchChild(HWND wnd, LPARAM lp) {
    auto* s = reinterpret_cast<ChildSearch*>(lp);
    if (ClassOf(wnd) == s->cls) {
        s->found = wnd;
        return FALSE;
    }
    return TRUE;
}
}  // namespace

std::string MessageBoxText(HWND box) {
    std::string text;
    EnumChildWindows(box, &LongestStatic, reinterpret_cast<LPARAM>(&text));
    return text;
}

void ClickButton(HWND dialog, int id) {
    HWND button = GetDlgItem(dialog, id);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

void PostCommand(HWND wnd, UINT id) { PostMessageA(wnd, WM_COMMAND, id, 0); }

void SendCommand(HWND wnd, UINT id) { SendMessageTimeoutA(wnd, WM_COMMAND, id, 0, SMTO_NORMAL, 20000, nullptr); }

HWND FindChild(HWND parent, const char* cls) {
    ChildSearch s{cls, nullptr};
    EnumChildWindows(parent, &MatchChild, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

void Sync(HWND wnd) { SendMessageTimeoutA(wnd, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 10000, nullptr); }

COLORREF Capture::Pixel(int x, int y) const {
    const size_t i = (static_cast<size_t>(y) * width + x) * 3;
    return RGB(rgb[i], rgb[i + 1], rgb[i + 2]);
}

Capture CaptureWindow(HWND wnd, bool client) {
    Capture cap;
    RECT r;
    if (client) {
        GetClientRect(wnd, &r);
        MapWindowPoints(wnd, nullptr, reinterpret_cast<POINT*>(&r), 2);
    } else {
        GetWindowRect(wnd, &r);
    }
    cap.width = r.right - r.left;
    cap.height = r.bottom - r.top;
    if (cap.width <= 0 || cap.height <= 0) return cap;
    // Wine: another process's window DC (and PrintWindow) reads back black; the screen
    // DC holds what is shown, so the window is copied from there.
    HDC src = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(src);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = cap.width;
    bi.bmiHeader.biHeight = -cap.height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(src, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, dib);
    BitBlt(mem, 0, 0, cap.width, cap.height, src, r.left, r.top, SRCCOPY);
    GdiFlush();
    cap.rgb.resize(static_cast<size_t>(cap.width) * cap.height * 3);
    const auto* px = static_cast<const unsigned char*>(bits);
    for (size_t i = 0; i < static_cast<size_t>(cap.width) * cap.height; ++i) {
        cap.rgb[i * 3] = px[i * 4 + 2];
        cap.rgb[i * 3 + 1] = px[i * 4 + 1];
        cap.rgb[i * 3 + 2] = px[i * 4];
    }
    SelectObject(mem, old);
    DeleteObject(dib);
    DeleteDC(mem);
    ReleaseDC(nullptr, src);
    return cap;
}

bool SavePng(const Capture& cap, const std::string& name) {
    const std::string dir = BinDir() + "\\..\\..\\screenshots";
    CreateDirectoryA(dir.c_str(), nullptr);
    return WritePng(dir + "\\" + name + ".png", cap.width, cap.height, cap.rgb);
}

}  // namespace e2e
