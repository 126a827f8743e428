// Scripted Host for native tests: records every message and answers from a queue.
#pragma once
#include "core/Host.h"

#include <algorithm>
#include <deque>
#include <string>
#include <vector>

class FakeHost : public Host {
public:
    struct Shown {
        int textId = 0, captionId = 0;  // 0 for MessageText
        std::string text, caption;
        unsigned style = 0;
    };
    struct Posted {
        unsigned msg;
        uintptr_t wParam;
        intptr_t lParam;
    };

    FakeHost() : previous_(&GetHost()) { SetHost(this); }
    ~FakeHost() override { SetHost(previous_); }
    FakeHost(const FakeHost&) = delete;
    FakeHost& operator=(const FakeHost&) = delete;

    std::vector<Shown> messages;
    std::deque<int> answers;  // answered in order; empty → IdYes for questions, IdOk otherwise
    std::vector<Posted> posted;
    std::vector<unsigned> commands;
    int beeps = 0;
    int waitDepth = 0;
    LocalTime now{2026, 12, 5, 12, 0, 0};

    int Message(int textId, int captionId, unsigned style) override {
        messages.push_back({textId, captionId, {}, {}, style});
        return Answer(style);
    }
    int MessageText(const std::string& text, const std::string& caption, unsigned style) override {
        messages.push_back({0, 0, text, caption, style});
        return Answer(style);
    }
    void Beep() override { ++beeps; }
    void WaitCursor(bool on) override { waitDepth += on ? 1 : -1; }
    void PostToMain(unsigned msg, uintptr_t w, intptr_t l) override { posted.push_back({msg, w, l}); }
    intptr_t SendToMain(unsigned msg, uintptr_t w, intptr_t l) override {
        posted.push_back({msg, w, l});
        return 0;
    }
    void PostCommand(unsigned id) override { commands.push_back(id); }
    LocalTime Now() override { return now; }

    // The string ids of the messages shown so far (0 for formatted texts).
    std::vector<int> Ids() const {
        std::vector<int> ids;
        for (const Shown& m : messages) ids.push_back(m.textId);
        return ids;
    }
    size_t CountPosted(unsigned msg) const {
        return size_t(std::count_if(posted.begin(), posted.end(), [&](const Posted& p) { return p.msg == msg; }));
    }

private:
    Host* previous_;  // restored afterwards (the Wine tests run on the product's host)

    int Answer(unsigned style) {
        if (answers.empty()) return (style & 0x0F) == Mb::Ok ? Mb::IdOk : Mb::IdYes;
        const int a = answers.front();
        answers.pop_front();
        return a;
    }
};
