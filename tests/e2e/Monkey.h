// The monkey: random use of the real program from outside, reproducible from its seed. Each
// action is posted to the program's windows; the dialogs, boxes and menus it opens are
// answered at random until none is left. Every step goes to the log as one line.
#pragma once
#include "support/WinKit.h"

#include <cstdint>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <utility>

class Monkey {
public:
    // `file` is the one name the file dialogs of the file commands are given; `log` may be null.
    Monkey(const kit::Program& program, std::string file, uint32_t seed, std::FILE* log = nullptr);

    // One random action with everything it opened answered; false once the program hangs,
    // has ended or keeps a dialog open (Failure says which).
    bool Step();
    // Posts a command and answers what it opens; for 109 true once the program has ended.
    bool Command(UINT id);
    // Answers open dialogs, boxes and menus until none is left.
    bool Settle();
    // A diagnostic query (app/Diagnose.h); -1 without an answer.
    long Query(int what) const;

    // Random; Yes: OK/Yes, the password and the file name; No: Cancel/No, nothing typed.
    enum class Answers { Random, Yes, No } Mode = Answers::Random;
    HWND Client = nullptr;  // the calendar window, once there is one
    std::string Failure;
    std::vector<std::string> Seen;  // titles of the dialogs and boxes answered

    static constexpr const char* Password = "Affe";

private:
    int Pick(int n) { return int(rng_() % uint32_t(n)); }
    bool Chance(int percent) { return Pick(100) < percent; }
    void Log(const char* format, ...);
    bool Fail(const std::string& why);
    bool Responsive();
    HWND OpenWindow() const;
    bool Answer(HWND wnd);
    void AnswerDialog(HWND dlg);
    void AnswerFileDialog(HWND dlg);
    void ChangeField(HWND dlg, HWND field);
    std::pair<int, int> RandomPoint();  // in the calendar window
    void PostMouse(UINT msg, WPARAM keys, int x, int y);
    bool Click(bool right), Drag(), DoubleClick(), TypeInPlace(), Key(), Resize();
    std::string RandomText();

    const kit::Program& program_;
    std::string file_;
    std::mt19937 rng_;
    std::FILE* log_;
    UINT context_ = 0;  // the command whose dialogs are being answered
    bool firstOfPrint_ = false;
    bool giveUp_ = false;  // a dialog stayed open too long: leave it
    std::map<HWND, int> visits_;
    long step_ = 0;
    long mark_ = 0;
};
