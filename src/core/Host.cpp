// Process-wide Host pointer with a silent default, so portable code never dereferences null.
#include "core/Host.h"

#include <ctime>

namespace {
class SilentHost final : public Host {
public:
    int Message(int, int, unsigned style) override { return Default(style); }
    int MessageText(const std::string&, const std::string&, unsigned style) override {
        return Default(style);
    }
    void Beep() override {}
    void WaitCursor(bool) override {}
    void PostToMain(unsigned, uintptr_t, intptr_t) override {}
    intptr_t SendToMain(unsigned, uintptr_t, intptr_t) override { return 0; }
    void PostCommand(unsigned) override {}
    LocalTime Now() override {
        const std::time_t t = std::time(nullptr);
        const std::tm* tm = std::localtime(&t);
        return LocalTime{tm->tm_year + 1900, tm->tm_mon + 1, tm->tm_mday,
                         tm->tm_hour,        tm->tm_min,     tm->tm_sec};
    }

private:
    static int Default(unsigned style) {
        const unsigned buttons = style & 0x0F;
        return buttons == Mb::Ok ? Mb::IdOk : Mb::IdCancel;
    }
};

SilentHost silentHost;
Host* currentHost = &silentHost;
}  // namespace

Host& GetHost() { return *currentHost; }
void SetHost(Host* host) { currentHost = host ? host : &silentHost; }
