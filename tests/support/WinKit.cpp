// The Windows test kit: pump, registry, windows, message boxes, processes, surfaces, and a
// minimal PNG writer (stored deflate blocks) for the screenshots.
#include "support/WinKit.h"

#include "core/ResString.h"

#include <shlwapi.h>

#include <algorithm>
#include <cstdio>

namespace kit {

void Pump(DWORD ms) {
    const DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(5);
    } while (GetTickCount() - start < ms);
}

bool WaitFor(const std::function<bool()>& done, DWORD ms) {
    for (const DWORD start = GetTickCount(); !done(); Pump(10))
        if (GetTickCount() - start > ms) return false;
    return true;
}

void SetUserValue(const std::string& key, const char* name, DWORD type, const void* data, DWORD size) {
    HKEY k;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(k, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
    RegCloseKey(k);
}

void SetUserString(const std::string& key, const char* name, const std::string& value) {
    SetUserValue(key, name, REG_SZ, value.c_str(), DWORD(value.size() + 1));
}

namespace {
// The value's type and bytes; false when the key or the value is missing.
bool QueryUserValue(const std::string& key, const char* name, DWORD& type, std::vector<BYTE>& data) {
    HKEY k;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_QUERY_VALUE, &k) != ERROR_SUCCESS) return false;
    DWORD size = 0;
    bool ok = RegQueryValueExA(k, name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS;
    data.assign(size, 0);
    ok = ok && RegQueryValueExA(k, name, nullptr, &type, data.data(), &size) == ERROR_SUCCESS;
    RegCloseKey(k);
    return ok;
}
}  // namespace

std::string UserString(const std::string& key, const char* name) {
    DWORD type = 0;
    std::vector<BYTE> data;
    if (!QueryUserValue(key, name, type, data) || type != REG_SZ) return "";
    return std::string(data.begin(), std::find(data.begin(), data.end(), 0));
}

void DeleteUserValue(const std::string& key, const char* name) {
    HKEY k;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_SET_VALUE, &k) != ERROR_SUCCESS) return;
    RegDeleteValueA(k, name);
    RegCloseKey(k);
}

void DeleteOrdivoSettings() { SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\kdw\\Ordivo"); }

void FreshOrdivoSettings() {
    DeleteOrdivoSettings();
    SetUserString("Software\\kdw\\Ordivo\\General", "FirstStart", "0");
}

SavedValue::SavedValue(std::string key, std::string name)
    : key_(std::move(key)), name_(std::move(name)), existed_(QueryUserValue(key_, name_.c_str(), type_, data_)) {}

SavedValue::~SavedValue() {
    if (existed_)
        SetUserValue(key_, name_.c_str(), type_, data_.data(), DWORD(data_.size()));
    else
        DeleteUserValue(key_, name_.c_str());
}

std::string WindowText(HWND wnd) {
    char buf[1024] = {};
    SendMessageTimeoutA(wnd, WM_GETTEXT, sizeof buf, LPARAM(buf), SMTO_ABORTIFHUNG, 5000, nullptr);
    return buf;
}

std::string ClassOf(HWND wnd) {
    char cls[128] = {};
    GetClassNameA(wnd, cls, sizeof cls);
    return cls;
}

void SetText(HWND wnd, const std::string& text) {
    SendMessageTimeoutA(wnd, WM_SETTEXT, 0, LPARAM(text.c_str()), SMTO_ABORTIFHUNG, 5000, nullptr);
}

HWND FindChild(HWND parent, const char* cls) { return FindWindowExA(parent, nullptr, cls, nullptr); }

std::string MessageBoxText(HWND box) {
    std::string best;
    for (HWND h = nullptr; (h = FindWindowExA(box, h, "Static", nullptr)) != nullptr;)
        if (WindowText(h).size() > best.size()) best = WindowText(h);
    return best;
}

bool EnterFileName(HWND dialog, const std::string& path) {
    HWND edit = GetDlgItem(dialog, 0x480);  // edt1: file name
    if (!edit) edit = GetDlgItem(dialog, 0x47C);  // cmb13 in the newer layout
    if (!edit) return false;
    SetText(edit, path);
    ClickButton(dialog, IDOK);
    return true;
}

void ClickButton(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(GetDlgItem(dialog, id)));
}

void PostCommand(HWND wnd, UINT id) { PostMessageA(wnd, WM_COMMAND, id, 0); }
void SendCommand(HWND wnd, UINT id) { SendMessageTimeoutA(wnd, WM_COMMAND, id, 0, SMTO_NORMAL, 20000, nullptr); }
void Sync(HWND wnd) { SendMessageTimeoutA(wnd, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 10000, nullptr); }

// RDW_UPDATENOW paints at once only in the window's own thread: for another process's
// window, wait until its update region is gone and the paint handler has returned.
void Repaint(HWND wnd) {
    RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    WaitFor([&] { return !GetUpdateRect(wnd, nullptr, FALSE); }, 5000);
    Sync(wnd);
}

namespace {
BoxAnswers* activeBoxes = nullptr;
}

BoxAnswers::BoxAnswers() : hook_(SetWindowsHookExA(WH_CBT, &BoxAnswers::Hook, nullptr, GetCurrentThreadId())) {
    activeBoxes = this;
}

BoxAnswers::~BoxAnswers() {
    UnhookWindowsHookEx(hook_);
    activeBoxes = nullptr;
}

LRESULT CALLBACK BoxAnswers::Hook(int code, WPARAM wp, LPARAM lp) {
    BoxAnswers* self = activeBoxes;
    const HWND h = HWND(wp);
    if (self && code == HCBT_ACTIVATE && ClassOf(h) == "#32770" && h != self->dialog &&
        std::find(self->open_.begin(), self->open_.end(), h) == self->open_.end()) {
        if (self->takeDialog) {
            self->dialog = h;
            self->takeDialog = false;
        } else {
            self->open_.push_back(h);
            self->owners.push_back(GetWindow(h, GW_OWNER));
            int answer = IDYES;
            if (!self->answers.empty()) {
                answer = self->answers.front();
                self->answers.pop_front();
            }
            PostMessageA(h, WM_COMMAND, answer, 0);
        }
    }
    if (self && code == HCBT_DESTROYWND) {
        const auto it = std::find(self->open_.begin(), self->open_.end(), h);
        if (it != self->open_.end()) {
            self->open_.erase(it);
            self->texts.push_back(MessageBoxText(h));
        }
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

testing::AssertionResult BoxAnswers::Showed(std::initializer_list<int> ids) {
    std::vector<std::string> expected;
    for (int id : ids) expected.push_back(LoadResString(id));
    const std::vector<std::string> shown = std::move(texts);
    texts.clear();
    if (expected == shown) return testing::AssertionSuccess();
    testing::AssertionResult failure = testing::AssertionFailure() << "shown:";
    for (const std::string& t : shown) failure << " [" << t << "]";
    return failure;
}

namespace {
const std::function<void(HWND)>* playScript = nullptr;
BoxAnswers* playBoxes = nullptr;

void CALLBACK PlayTick(HWND, UINT, UINT_PTR id, DWORD) {
    if (!playBoxes->dialog) return;
    KillTimer(nullptr, id);
    const HWND dialog = playBoxes->dialog;
    (*playScript)(dialog);
    if (IsWindow(dialog)) PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}
}  // namespace

void PlayOnDialog(BoxAnswers& boxes, const std::function<void(HWND)>& script, const std::function<void()>& open) {
    boxes.dialog = nullptr;
    boxes.takeDialog = true;
    playScript = &script;
    playBoxes = &boxes;
    SetTimer(nullptr, 0, 30, &PlayTick);
    open();
}

std::string BinDir() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    const std::string dir = path;
    return dir.substr(0, dir.find_last_of('\\'));
}

std::string MakeTempDir(const std::string& tag) {
    char tmp[MAX_PATH] = {};
    GetTempPathA(sizeof tmp, tmp);
    static int counter = 0;
    const std::string dir = std::string(tmp) + "ordivo-" + tag + "-" + std::to_string(GetCurrentProcessId()) + "-" +
                            std::to_string(++counter);
    CreateDirectoryA(dir.c_str(), nullptr);
    return dir;
}

Program::~Program() {
    if (!process_) return;
    if (Running()) {
        TerminateProcess(process_, 99);
        WaitForSingleObject(process_, 5000);
    }
    CloseHandle(process_);
}

bool Program::Start(const std::string& args, const std::string& exe) {
    const std::string path = exe.empty() ? BinDir() + "\\ordivo.exe" : exe;
    std::string cmd = "\"" + path + "\"" + (args.empty() ? "" : " " + args);
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
    DWORD code = 0;
    if (!process_ || WaitForSingleObject(process_, ms) != WAIT_OBJECT_0) return -1;
    GetExitCodeProcess(process_, &code);
    return int(code);
}

bool Program::Running() const { return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }

namespace {
struct TopLevelSearch {
    DWORD pid;
    std::string cls;
    HWND found;
};

BOOL CALLBACK MatchTopLevel(HWND wnd, LPARAM lp) {
    auto* s = reinterpret_cast<TopLevelSearch*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(wnd, &pid);
    if (pid != s->pid || !IsWindowVisible(wnd) || ClassOf(wnd).compare(0, s->cls.size(), s->cls) != 0) return TRUE;
    s->found = wnd;
    return FALSE;
}
}  // namespace

HWND Program::WaitWindow(const char* cls, DWORD ms) const {
    TopLevelSearch s{pid_, cls, nullptr};
    for (const DWORD start = GetTickCount();; Sleep(50)) {
        EnumWindows(&MatchTopLevel, LPARAM(&s));
        if (s.found || GetTickCount() - start >= ms) return s.found;
    }
}

namespace {
HBITMAP MakeDib(int width, int height, uint32_t** bits) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    return CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, reinterpret_cast<void**>(bits), nullptr, 0);
}

RECT ScreenRect(HWND wnd, bool client) {
    RECT r;
    if (!client) {
        GetWindowRect(wnd, &r);
        return r;
    }
    GetClientRect(wnd, &r);
    MapWindowPoints(wnd, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

uint32_t Crc32(const uint8_t* data, size_t n) {
    uint32_t crc = ~0u;
    for (size_t i = 0; i < n; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int s = 24; s >= 0; s -= 8) out.push_back(uint8_t(v >> s));
}

void Chunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data) {
    Put32(out, uint32_t(data.size()));
    const size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    Put32(out, Crc32(out.data() + start, out.size() - start));
}

// Truecolour PNG of `raw` (each row a filter byte 0 and RGB triples) in stored deflate blocks.
std::vector<uint8_t> EncodePng(int width, int height, const std::vector<uint8_t>& raw) {
    std::vector<uint8_t> z{0x78, 0x01};
    uint32_t a = 1, b = 0;
    for (size_t pos = 0; pos < raw.size();) {
        const size_t len = std::min<size_t>(65535, raw.size() - pos);
        z.insert(z.end(), {uint8_t(pos + len == raw.size()), uint8_t(len), uint8_t(len >> 8), uint8_t(~len),
                           uint8_t(~len >> 8)});
        for (size_t end = pos + len; pos < end; ++pos) {
            z.push_back(raw[pos]);
            a = (a + raw[pos]) % 65521;
            b = (b + a) % 65521;
        }
    }
    Put32(z, (b << 16) | a);
    std::vector<uint8_t> png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}, ihdr;
    Put32(ihdr, uint32_t(width));
    Put32(ihdr, uint32_t(height));
    ihdr.insert(ihdr.end(), {8, 2, 0, 0, 0});  // 8 bits, truecolour, no interlace
    Chunk(png, "IHDR", ihdr);
    Chunk(png, "IDAT", z);
    Chunk(png, "IEND", {});
    return png;
}
}  // namespace

Surface::Surface(int width, int height)
    : width_(width), height_(height), bitmap_(MakeDib(width, height, &bits_)), select_(dc_.Get(), bitmap_.Get()) {}

Surface::Surface(HWND wnd, bool client) : Surface(ScreenRect(wnd, client)) {}

// Wine: another process's window DC (and PrintWindow) reads back black; the screen DC
// holds what is shown, so the rectangle is copied from there.
Surface::Surface(const RECT& r) : Surface(std::max(0L, r.right - r.left), std::max(0L, r.bottom - r.top)) {
    gdi::WindowDc screen(nullptr);
    BitBlt(Dc(), 0, 0, width_, height_, screen.Get(), r.left, r.top, SRCCOPY);
}

COLORREF Surface::Pixel(int x, int y) const {
    GdiFlush();
    const uint32_t p = bits_[size_t(y) * size_t(width_) + size_t(x)];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

int Surface::Count(COLORREF colour) const {
    int n = 0;
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) n += Pixel(x, y) == colour;
    return n;
}

bool Surface::SavePng(const std::string& name) const {
    if (!bits_) return false;
    std::vector<uint8_t> raw;
    for (int y = 0; y < height_; ++y) {
        raw.push_back(0);
        for (int x = 0; x < width_; ++x) {
            const COLORREF c = Pixel(x, y);
            raw.insert(raw.end(), {GetRValue(c), GetGValue(c), GetBValue(c)});
        }
    }
    const std::vector<uint8_t> png = EncodePng(width_, height_, raw);
    const std::string dir = BinDir() + "\\..\\..\\screenshots";
    CreateDirectoryA(dir.c_str(), nullptr);
    FILE* f = std::fopen((dir + "\\" + name + ".png").c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(png.data(), 1, png.size(), f) == png.size();
    return std::fclose(f) == 0 && ok;
}

}  // namespace kit
