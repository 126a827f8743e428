// EditorText and ParseEditText.
#include "views/InPlaceText.h"

#include "store/DatumText.h"

#include <algorithm>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

class Reader {
public:
    explicit Reader(const std::string& text) : s_(text.substr(0, EditReadLimit)) {}

    void Skip(bool dashesToo) {
        while (p_ < s_.size() && (s_[p_] == ' ' || (dashesToo && s_[p_] == '-'))) ++p_;
    }
    bool AtDigit() const { return p_ < s_.size() && IsDigit(s_[p_]); }
    // The decimal value of the digits here. Decision: at most 99, the most the file's
    // two-digit field keeps, so that what the calendar shows is what reopens.
    int8_t Number() {
        unsigned value = 0;
        for (; AtDigit(); ++p_) value = std::min(value * 10 + unsigned(s_[p_] - '0'), 99u);
        return static_cast<int8_t>(value);
    }
    void SkipColon() {
        if (p_ < s_.size() && s_[p_] == ':') ++p_;
    }
    // hour[:minute] into (hour, minute); a missing minute leaves `minute` alone.
    void Time(int8_t& hour, int8_t& minute) {
        hour = Number();
        SkipColon();
        if (AtDigit()) minute = Number();
    }
    std::string Rest() const { return s_.substr(p_); }

private:
    std::string s_;
    size_t p_ = 0;
};

}  // namespace

std::string EditorText(const Termin& t) {
    std::string text;
    if (!t.Hat(FlagOhneZeit)) text += ZeitText(t.Start.Stunde, t.Start.Minute, true) + " ";
    if (!t.Hat(FlagOhneEnde)) text += "- " + ZeitText(t.Ende.Stunde, t.Ende.Minute, true) + " ";
    return text + t.Kurzbeschr;
}

std::string RowTimeText(const Zeitpunkt& time) { return ZeitText(time.Stunde, time.Minute, true); }

bool IsEmptyEditText(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

void ParseEditText(const std::string& text, Termin& t) {
    Reader r(text);
    r.Skip(false);
    if (!r.AtDigit()) {
        t.Flags |= FlagOhneZeit | FlagOhneEnde;
    } else {
        r.Time(t.Start.Stunde, t.Start.Minute);
        r.Skip(true);
        if (!r.AtDigit()) {
            t.Flags = uint16_t((t.Flags | FlagOhneEnde) & ~FlagOhneZeit);
        } else {
            r.Time(t.Ende.Stunde, t.Ende.Minute);
            r.Skip(false);
            t.Flags = uint16_t(t.Flags & ~(FlagOhneEnde | FlagOhneZeit));
        }
    }
    t.SetzeKurzbeschr(r.Rest());
}
