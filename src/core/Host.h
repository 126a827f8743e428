// The thin seam between the portable core and the platform: message boxes, beep,
// cursors, messages to the calendar window and the local clock. Set once at start-up;
// tests install a scripted fake.
#pragma once
#include <cstdint>
#include <string>

// Message box styles and answers, numerically identical to the Win32 values.
namespace Mb {
constexpr unsigned Ok = 0x0000, OkCancel = 0x0001, YesNoCancel = 0x0003, YesNo = 0x0004;
constexpr unsigned IconHand = 0x0010, IconQuestion = 0x0020, IconExclamation = 0x0030,
                   IconInformation = 0x0040;
constexpr unsigned TaskModal = 0x2000;
constexpr int IdOk = 1, IdCancel = 2, IdYes = 6, IdNo = 7;
}  // namespace Mb

// Private messages of the calendar window.
namespace Msg {
constexpr unsigned EndEdit = 0x590;        // in-place editor: Enter typed
constexpr unsigned ListChanged = 0x52C;    // collection insert/delete: replan warnings
constexpr unsigned StatusText = 0x47C;     // set or clear the status message
}  // namespace Msg

struct LocalTime {
    int Jahr = 0, Monat = 0, Tag = 0, Stunde = 0, Minute = 0, Sekunde = 0;
};

class Host {
public:
    virtual ~Host() = default;
    // Text and caption by resource number; caption 0 means the literal "Ordivo".
    virtual int Message(int textId, int captionId, unsigned style) = 0;
    // Already formatted text; caption as given.
    virtual int MessageText(const std::string& text, const std::string& caption,
                            unsigned style) = 0;
    virtual void Beep() = 0;
    virtual void WaitCursor(bool on) = 0;
    virtual void PostToMain(unsigned msg, uintptr_t wParam, intptr_t lParam) = 0;
    virtual intptr_t SendToMain(unsigned msg, uintptr_t wParam, intptr_t lParam) = 0;
    virtual void PostCommand(unsigned id) = 0;
    virtual LocalTime Now() = 0;
};

Host& GetHost();
void SetHost(Host* host);  // not owned; nullptr restores the silent default

// Shorthand used throughout the core.
inline int Message(int textId, int captionId, unsigned style) {
    return GetHost().Message(textId, captionId, style);
}
