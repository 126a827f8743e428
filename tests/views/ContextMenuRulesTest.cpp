// The context menu's items and command 822's switch of the done state.
#include "views/ContextMenuRules.h"
#include "views/ViewFixture.h"

namespace {

class ContextMenuRulesTest : public ViewFixture {
protected:
    const Zeitpunkt jetzt = MachZeitpunkt(2026, 12, 5, 12, 0);
    Termin future = MachTermin(2026, 12, 8, 9, 0, 10, 0, 0, "Bald");
    Termin past = MachTermin(2026, 12, 1, 9, 0, 10, 0, 0, "Vorbei");
};

TEST_F(ContextMenuRulesTest, ItemsInOrderWithCheckAndGreying) {
    auto items = ContextMenuItems(future, jetzt);
    std::vector<std::pair<unsigned, int>> commands;  // with the label each item carries
    for (const ContextItem& item : items) {
        commands.push_back({item.Command, item.TextId});
        EXPECT_FALSE(item.Greyed || item.Checked) << item.Command;
    }
    EXPECT_EQ(commands, (std::vector<std::pair<unsigned, int>>{{822, 1301}, {821, 1302}, {823, 1303}, {824, 1304}, {826, 1305}, {825, 1306}}));
    items = ContextMenuItems(past, jetzt);
    EXPECT_TRUE(items[0].Checked);  // shown done because it is past
    EXPECT_TRUE(items[3].Greyed);   // no advance warning for a past start
    EXPECT_FALSE(items[1].Greyed);

    future.Flags = FlagErledigt | FlagJaehrlich | FlagJahresKopie;
    items = ContextMenuItems(future, jetzt);
    EXPECT_TRUE(items[0].Checked);
    for (const ContextItem& item : items) EXPECT_TRUE(item.Greyed) << item.Command;
}

TEST_F(ContextMenuRulesTest, ToggleDoneByTheShownState) {
    ASSERT_TRUE(ToggleDone(future, jetzt));  // 0 -> done
    EXPECT_TRUE(future.Hat(FlagErledigt));
    EXPECT_EQ(IsDrawnDone(future, jetzt), 2);
    ASSERT_TRUE(ToggleDone(future, jetzt));  // 2 -> not done
    EXPECT_EQ(IsDrawnDone(future, jetzt), 0);
    EXPECT_TRUE(host.messages.empty());

    host.answers = {Mb::IdCancel};
    EXPECT_FALSE(ToggleDone(past, jetzt));  // 1: asked, cancelled
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].textId, 1123);
    EXPECT_EQ(host.messages[0].style, Mb::OkCancel | Mb::IconExclamation);
    EXPECT_EQ(past.Flags, 0);

    past.Flags = FlagErledigt;
    host.answers = {Mb::IdOk};
    ASSERT_TRUE(ToggleDone(past, jetzt));
    EXPECT_EQ(past.Flags, FlagManuellErledigt);
    EXPECT_EQ(IsDrawnDone(past, jetzt), 0);
}

}  // namespace
