// The two password dialogs built from their templates in ORDIVO.DLL and driven by posted
// input: controls, the one-attempt check, mismatch and unstorable passwords.
#include "core/ResourceIds.h"
#include "core/ProgramPath.h"
#include "store/ClsListe.h"
#include "dialogs/ClsNeuesPasswortDlg.h"
#include "dialogs/ClsPasswortDlg.h"
#include "support/FakeHost.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {
// Types into the fields when the dialog is set up, then presses each button in turn.
template <class Basis>
class Getippt : public Basis {
public:
    template <class... A>
    Getippt(std::vector<std::pair<int, std::string>> eingaben, std::vector<int> knoepfe, A&&... a)
        : Basis(std::forward<A>(a)...), eingaben_(std::move(eingaben)), knoepfe_(std::move(knoepfe)) {}
    std::vector<std::string> klassen;
    std::vector<LONG> stile;

protected:
    void SetupWindow() override {
        Basis::SetupWindow();
        for (int id : {101, 102, IDOK, IDCANCEL}) {
            char name[32] = {};
            HWND h = this->Item(id);
            if (h) GetClassNameA(h, name, sizeof name);
            klassen.push_back(name);
            stile.push_back(h ? GetWindowLongA(h, GWL_STYLE) : 0);
        }
        for (const auto& e : eingaben_) this->SetItemText(e.first, e.second);
        for (int k : knoepfe_) PostMessageA(this->Handle(), WM_COMMAND, MAKEWPARAM(k, BN_CLICKED), 0);
    }

private:
    std::vector<std::pair<int, std::string>> eingaben_;
    std::vector<int> knoepfe_;
};

bool IstPasswortFeld(const std::string& klasse, LONG stil) {
    return _stricmp(klasse.c_str(), "Edit") == 0 && (stil & ES_PASSWORD);
}
}  // namespace

TEST(PasswortDlgWin, AsksOnceAndComparesExactly) {
    FakeHost host;
    Getippt<ClsPasswortDlg> richtig({{101, "Geheim"}}, {IDOK}, nullptr, ResourceModule(), "Geheim");
    EXPECT_EQ(richtig.Execute(), IDOK);
    ASSERT_EQ(richtig.klassen.size(), 4u);
    EXPECT_TRUE(IstPasswortFeld(richtig.klassen[0], richtig.stile[0]));
    EXPECT_EQ(richtig.klassen[1], "");  // no second field
    EXPECT_EQ(_stricmp(richtig.klassen[2].c_str(), "Button"), 0);
    EXPECT_EQ(_stricmp(richtig.klassen[3].c_str(), "Button"), 0);

    Getippt<ClsPasswortDlg> gross({{101, "GEHEIM"}}, {IDOK, IDOK}, nullptr, ResourceModule(), "Geheim");
    EXPECT_EQ(gross.Execute(), 0);
    Getippt<ClsPasswortDlg> abbruch({{101, "Geheim"}}, {IDCANCEL}, nullptr, ResourceModule(), "Geheim");
    EXPECT_EQ(abbruch.Execute(), 0);
    // Only the first 11 characters count.
    Getippt<ClsPasswortDlg> lang({{101, "123456789012"}}, {IDOK}, nullptr, ResourceModule(), "123456789012");
    EXPECT_EQ(lang.Execute(), 0);
}

TEST(PasswortDlgWin, NewPasswordMustMatchAndBeStorable) {
    FakeHost host;
    ClsListe Liste;
    std::strcpy(Liste.Passwort, "alt");
    Liste.Geaendert = false;

    Getippt<ClsNeuesPasswortDlg> verschieden({{101, "eins"}, {102, "zwei"}}, {IDOK, IDCANCEL}, nullptr,
                                             ResourceModule(), Liste);
    EXPECT_EQ(verschieden.Execute(), IDCANCEL);
    EXPECT_TRUE(IstPasswortFeld(verschieden.klassen[0], verschieden.stile[0]));
    EXPECT_TRUE(IstPasswortFeld(verschieden.klassen[1], verschieden.stile[1]));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].textId, 1133);
    EXPECT_EQ(host.messages[0].captionId, 1134);
    EXPECT_STREQ(Liste.Passwort, "alt");

    Getippt<ClsNeuesPasswortDlg> nullbyte({{101, "\x80"}, {102, "\x80"}}, {IDOK, IDCANCEL}, nullptr,
                                          ResourceModule(), Liste);
    EXPECT_EQ(nullbyte.Execute(), IDCANCEL);
    EXPECT_EQ(host.messages.back().textId, IDS_KENNWORT_NICHT_SPEICHERBAR);
    EXPECT_FALSE(Liste.Geaendert);

    Getippt<ClsNeuesPasswortDlg> neu({{101, "Neu"}, {102, "Neu"}}, {IDOK}, nullptr, ResourceModule(), Liste);
    EXPECT_EQ(neu.Execute(), IDOK);
    EXPECT_STREQ(Liste.Passwort, "Neu");
    EXPECT_TRUE(Liste.Geaendert);

    Getippt<ClsNeuesPasswortDlg> leer({}, {IDOK}, nullptr, ResourceModule(), Liste);
    EXPECT_EQ(leer.Execute(), IDOK);
    EXPECT_STREQ(Liste.Passwort, "");
    Liste.Geaendert = false;
}
