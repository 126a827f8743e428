// The tip window: delayed showing near the pointer, hiding on an empty text or a key,
// the hint split in the status bar, and a screenshot of a shown tip.
#include "app/TTipStatusBar.h"
#include "app/TToolTip.h"
#include "app/TipRules.h"
#include "support/RcStringTable.h"
#include "support/WinKit.h"

using kit::Pump;

namespace {
HFONT TipFont() { return CreateFontA(-9, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "MS Sans Serif"); }
}  // namespace

TEST(ToolTip, ShowsAfterTheDelayBelowThePointerAndHidesOnEmptyTextOrKey) {
    TToolTip tip(TipStyle::Shadow, TipFont());
    ASSERT_NE(tip.Handle(), nullptr);
    EXPECT_EQ(kit::ClassOf(tip.Handle()), "Tiplo:Tooltip");
    SetCursorPos(400, 300);
    POINT pt;
    GetCursorPos(&pt);

    tip.SetTipText("Neuer Termin");
    EXPECT_TRUE(tip.TimerRunning());
    Pump(300);
    EXPECT_FALSE(IsWindowVisible(tip.Handle()));  // 700 ms have not passed
    Pump(700);
    ASSERT_TRUE(IsWindowVisible(tip.Handle()));
    RECT r;
    GetWindowRect(tip.Handle(), &r);
    EXPECT_EQ(std::make_pair(r.left, r.top), std::make_pair(pt.x - 2, pt.y + 22));
    kit::Surface(tip.Handle(), false).SavePng("tooltip");

    tip.SetTipText("");
    EXPECT_FALSE(IsWindowVisible(tip.Handle()) || tip.TimerRunning());

    tip.SetTipText("Speichern");
    Pump(800);
    ASSERT_TRUE(IsWindowVisible(tip.Handle()));
    // Any key typed into a window of this thread hides the tip through the keyboard hook.
    HWND target = CreateWindowA("STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(target);
    SetFocus(target);
    Pump(50);
    keybd_event(VK_SHIFT, 0, 0, 0);
    keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
    Pump(100);
    DestroyWindow(target);
    EXPECT_FALSE(IsWindowVisible(tip.Handle()));
}

TEST(ToolTip, StatusBarSplitsHintAndTip) {
    TToolTip tip(TipStyle::Shadow, TipFont());
    TTipStatusBar status(&tip, 15, 10);
    status.AddTextGadget(15, 48, true);
    status.SetCommandHint(103, true);  // the command's resource string: the hint, then the tip
    EXPECT_EQ(status.Text(15) + "|" + tip.Text(), "Speichert den Kalender|Speichern");
    EXPECT_TRUE(tip.TimerRunning());

    status.SetHintText("Nur ein Hinweis", true);  // no line feed: no tip
    EXPECT_EQ(status.Text(15), "Nur ein Hinweis");
    EXPECT_FALSE(tip.TimerRunning());

    status.SetHintText("Aus dem Men\xFC\nTipp", false);  // menu hints never show a tip
    EXPECT_EQ(status.Text(15), "Aus dem Men\xFC");
    EXPECT_FALSE(tip.TimerRunning());

    status.SetHintText(nullptr, true);
    EXPECT_EQ(tip.Text(), "");
}

// Every command's hint (the part before the line feed) fits the 48-character message gadget,
// which would cut a longer one off.
TEST(ToolTip, EveryHintFitsTheStatusGadget) {
    const RcStrings strings = ReadRcStrings(ORDIVO_SOURCE_DIR);
    const StatusBar bar(10);
    int hints = 0;
    for (const auto& [name, id] : ReadRcNames(ORDIVO_SOURCE_DIR)) {
        if (name.compare(0, 3, "CM_") != 0 || !strings.count(id)) continue;
        ++hints;
        const std::string& text = strings.at(id);
        EXPECT_LE(bar.CharsFor(text.substr(0, text.find('\n'))), 48) << text;
    }
    EXPECT_GT(hints, 40);
}
