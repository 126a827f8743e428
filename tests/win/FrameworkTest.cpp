// The window framework inside one process: frame layout with bars, command routing from
// menu, accelerator-style WM_COMMAND and button clicks, menu ownership and enablers,
// timers, modal dialogs from the resource library and the GDI handle counter.
#include "core/ProgramPath.h"
#include "framework/DecoratedFrame.h"
#include "framework/Dialog.h"
#include "framework/Dispatch.h"
#include "support/WinKit.h"

#include <vector>

using kit::Pump;

namespace {
class Client : public Window {
public:
    std::vector<UINT> commands;
    std::vector<UINT_PTR> timers;
    bool greyed = false;

    bool OnCommand(UINT id) override;
    int CommandState(UINT id) const override;

protected:
    const char* ClassName() const override { return "TestClient"; }
    void OnTimer(UINT_PTR id) override {
        timers.push_back(id);
        KillTimer(id);
    }

private:
    void Record(UINT id) { commands.push_back(id); }
    bool Enabled() const { return !greyed; }
    static const CommandEntry<Client> kTable[];
};
const CommandEntry<Client> Client::kTable[] = {
    {100, 102, &Client::Record},
    {200, 200, &Client::Record, &Client::Enabled},
};
bool Client::OnCommand(UINT id) { return DispatchCommand(this, kTable, id); }
int Client::CommandState(UINT id) const { return CommandEnabled(this, kTable, id); }

struct TestFrame {
    Client client;
    DecoratedFrame frame{"Test", &client, false};
    ControlBar* bar = nullptr;
    StatusBar* status = nullptr;

    TestFrame() {
        auto b = std::make_unique<ControlBar>();
        b->AddButton(nullptr, 100);
        b->AddSeparator(6);
        b->AddButton(nullptr, 101);
        bar = b.get();
        frame.InsertTop(std::move(b));
        auto s = std::make_unique<StatusBar>(10);
        s->AddTextGadget(15, 48, true);
        s->AddTextGadget(16, 12, true);
        status = s.get();
        frame.InsertBottom(std::move(s));
        frame.Attr.x = frame.Attr.y = 10;
        frame.Attr.w = 700, frame.Attr.h = 500;
        EXPECT_TRUE(frame.Create());
        Pump(50);
    }
};

RECT ChildRect(HWND child, HWND parent) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}
}  // namespace

TEST(Framework, DecoratedFrameLaysOutBarsAroundTheClient) {
    TestFrame t;
    RECT area;
    GetClientRect(t.frame.Handle(), &area);
    const RECT top = ChildRect(t.bar->Handle(), t.frame.Handle());
    const RECT mid = ChildRect(t.client.Handle(), t.frame.Handle());
    const RECT bottom = ChildRect(t.status->Handle(), t.frame.Handle());
    // Bar, client and status bar stacked without gaps over the whole width.
    EXPECT_EQ(std::vector<LONG>({top.top, top.bottom, mid.top, mid.bottom, bottom.bottom, mid.right - mid.left}),
              std::vector<LONG>({0, t.bar->Height(), top.bottom, bottom.top, area.bottom, area.right}));

    // Gadgets: the clock gadget is narrower than the 48-character message gadget, side by side.
    const RECT g15 = t.status->GadgetRect(15), g16 = t.status->GadgetRect(16);
    EXPECT_GT(g15.right - g15.left, 3 * (g16.right - g16.left));
    EXPECT_LT(g15.right, g16.left);
    t.status->SetText(16, "12:00");
    EXPECT_EQ(t.status->Text(16), "12:00");
}

TEST(Framework, CommandsReachTheClientFromMenuAndButtonsAndTimersFire) {
    TestFrame t;
    ASSERT_TRUE(t.client.SetTimer(7, 20));
    PostMessageA(t.frame.Handle(), WM_COMMAND, 102, 0);  // menu or accelerator
    PostMessageA(t.frame.Handle(), WM_COMMAND, 999, 0);  // unknown: ignored
    Pump(50);
    ASSERT_EQ(t.client.commands, std::vector<UINT>({102}));

    // A click on the second button (after the separator) sends its command.
    RECT r = t.bar->ButtonRect(101);
    MapWindowPoints(nullptr, t.bar->Handle(), reinterpret_cast<POINT*>(&r), 2);
    const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    SendMessageA(t.bar->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(t.bar->Handle(), WM_LBUTTONUP, 0, at);
    // Pressed on a button but released outside: nothing.
    SendMessageA(t.bar->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(t.bar->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(1, 1));
    SendMessageA(t.bar->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
    Pump(200);
    EXPECT_EQ(t.client.commands, std::vector<UINT>({102, 101}));
    EXPECT_EQ(t.client.timers, std::vector<UINT_PTR>({7}));  // once: the handler kills it
}

TEST(Framework, MenuOwnershipAndEnablers) {
    TestFrame t;
    HMENU bar = CreateMenu();
    HMENU popup = CreatePopupMenu();
    AppendMenuA(popup, MF_STRING, 200, "Zweihundert");
    AppendMenuA(popup, MF_STRING, 300, "Unbekannt");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), "Test");
    t.frame.AssignMenu(bar);
    EXPECT_EQ(GetMenu(t.frame.Handle()), bar);

    t.client.greyed = true;
    SendMessageA(t.frame.Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
    EXPECT_TRUE(GetMenuState(popup, 200, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(GetMenuState(popup, 300, MF_BYCOMMAND) & MF_GRAYED);  // no table entry: untouched
    t.client.greyed = false;
    SendMessageA(t.frame.Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
    EXPECT_FALSE(GetMenuState(popup, 200, MF_BYCOMMAND) & MF_GRAYED);

    t.frame.AssignMenu(nullptr);
    EXPECT_EQ(GetMenu(t.frame.Handle()), nullptr);
    EXPECT_FALSE(IsMenu(bar));  // the frame destroyed the menu it owned
}

TEST(Framework, CloseQueryCanRefuseAndAClosedFrameDestroysItsMenuOnceWithTheObject) {
    HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_STRING, 100, "Hundert");
    {
        struct Refusing : Client {
            bool allow = false;
            bool CanClose() override { return allow; }
        } client;
        DecoratedFrame frame("Test", &client, false);
        frame.AssignMenu(bar);
        ASSERT_TRUE(frame.Create());
        EXPECT_EQ(GetMenu(frame.Handle()), bar);
        const HWND h = frame.Handle();
        SendMessageA(h, WM_CLOSE, 0, 0);
        EXPECT_TRUE(IsWindow(h));
        client.allow = true;
        SendMessageA(h, WM_CLOSE, 0, 0);
        EXPECT_TRUE(!IsWindow(h) && frame.Handle() == nullptr);
        EXPECT_TRUE(IsMenu(bar));  // still owned by the frame object, not yet destroyed
    }
    EXPECT_FALSE(IsMenu(bar));
}

namespace {
class VersionDialog : public Dialog {
public:
    VersionDialog() : Dialog(nullptr, 4269, ResourceModule()) {}
    std::string version;
    bool okSeen = false;

protected:
    void SetupWindow() override {
        version = GetItemText(101);
        PostMessageA(Handle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }
    bool CanClose() override {
        okSeen = true;
        return true;
    }
};
}  // namespace

TEST(Framework, ModalDialogFromTheResourceLibrary) {
    VersionDialog dlg;
    EXPECT_EQ(dlg.Execute(), IDOK);
    EXPECT_TRUE(dlg.okSeen);
    EXPECT_EQ(dlg.version.rfind("Version ", 0), 0u);
}

TEST(Framework, GdiWrappersReleaseWhatTheyCreate) {
    const long before = gdi::LiveObjects();
    {
        gdi::Font font(gdi::CreatePointFont("Arial", 10));
        gdi::Pen pen(CreatePen(PS_SOLID, 1, 0));
        gdi::Brush moved(CreateSolidBrush(0));
        gdi::Brush target(std::move(moved));
        EXPECT_FALSE(moved);
        EXPECT_EQ(gdi::LiveObjects(), before + 3);
        target.Reset(CreateSolidBrush(RGB(1, 2, 3)));
        EXPECT_EQ(gdi::LiveObjects(), before + 3);
    }
    EXPECT_EQ(gdi::LiveObjects(), before);
}
