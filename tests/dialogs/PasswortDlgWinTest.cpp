// The two password dialogs built from their templates in ORDIVO.DLL and driven by posted
// input: password fields, the one-attempt check, mismatch and unstorable passwords.
#include "core/ProgramPath.h"
#include "core/ResString.h"
#include "core/ResourceIds.h"
#include "core/TextFormat.h"
#include "dialogs/ClsNeuesPasswortDlg.h"
#include "dialogs/ClsPasswortDlg.h"
#include "store/ClsListe.h"
#include "support/FakeHost.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {
// Types into the fields when the dialog is set up, then presses each button in turn; notes
// which of the fields 101 and 102 are password edits.
template <class Basis>
class Getippt : public Basis {
public:
    template <class... A>
    Getippt(std::vector<std::pair<int, std::string>> eingaben, std::vector<int> knoepfe, A&&... a)
        : Basis(nullptr, ResourceModule(), std::forward<A>(a)...), eingaben_(std::move(eingaben)), knoepfe_(std::move(knoepfe)) {}
    std::vector<bool> kennwortFelder;

protected:
    void SetupWindow() override {
        Basis::SetupWindow();
        for (int id : {101, 102}) {
            char name[32] = {};
            GetClassNameA(this->Item(id), name, sizeof name);
            kennwortFelder.push_back(_stricmp(name, "Edit") == 0 && (GetWindowLongA(this->Item(id), GWL_STYLE) & ES_PASSWORD));
        }
        for (const auto& e : eingaben_) this->SetItemText(e.first, e.second);
        for (int k : knoepfe_) PostMessageA(this->Handle(), WM_COMMAND, MAKEWPARAM(k, BN_CLICKED), 0);
    }

private:
    std::vector<std::pair<int, std::string>> eingaben_;
    std::vector<int> knoepfe_;
};
}  // namespace

TEST(PasswortDlgWin, AsksOnceAndComparesExactly) {
    FakeHost host;
    Getippt<ClsPasswortDlg> richtig({{101, "Geheim"}}, {IDOK}, "Geheim");
    EXPECT_EQ(richtig.Execute(), IDOK);
    EXPECT_EQ(richtig.kennwortFelder, (std::vector<bool>{true, false}));  // one field only
    const struct {
        const char *getippt, *passwort;
        int knopf;
    } falsch[] = {{"GEHEIM", "Geheim", IDOK}, {"Geheim", "Geheim", IDCANCEL},
                  {"123456789012", "123456789012", IDOK}};  // only the first 11 characters count
    for (const auto& f : falsch) {
        Getippt<ClsPasswortDlg> dlg({{101, f.getippt}}, {f.knopf, f.knopf}, f.passwort);
        EXPECT_EQ(dlg.Execute(), 0) << f.getippt;
    }
}

TEST(PasswortDlgWin, NewPasswordMustMatchAndBeStorable) {
    FakeHost host;
    ClsListe Liste;
    std::strcpy(Liste.Passwort, "alt");
    Liste.Geaendert = false;

    Getippt<ClsNeuesPasswortDlg> verschieden({{101, "eins"}, {102, "zwei"}}, {IDOK, IDCANCEL}, Liste);
    EXPECT_EQ(verschieden.Execute(), IDCANCEL);
    EXPECT_EQ(verschieden.kennwortFelder, (std::vector<bool>{true, true}));
    Getippt<ClsNeuesPasswortDlg> nullbyte({{101, "Sommerzeit"}, {102, "Sommerzeit"}}, {IDOK, IDCANCEL}, Liste);
    EXPECT_EQ(nullbyte.Execute(), IDCANCEL);
    EXPECT_EQ(host.Ids(), (std::vector<int>{1133, 0}));
    EXPECT_EQ(host.messages[0].captionId, 1134);
    EXPECT_EQ(host.messages[1].text, Format(LoadResString(IDS_KENNWORT_NICHT_SPEICHERBAR), 'z', 7));  // names the character
    EXPECT_STREQ(Liste.Passwort, "alt");
    EXPECT_FALSE(Liste.Geaendert);

    Getippt<ClsNeuesPasswortDlg> neu({{101, "Neu"}, {102, "Neu"}}, {IDOK}, Liste);
    EXPECT_EQ(neu.Execute(), IDOK);
    EXPECT_STREQ(Liste.Passwort, "Neu");
    EXPECT_TRUE(Liste.Geaendert);
    Getippt<ClsNeuesPasswortDlg> leer({}, {IDOK}, Liste);
    EXPECT_EQ(leer.Execute(), IDOK);
    EXPECT_STREQ(Liste.Passwort, "");
}
