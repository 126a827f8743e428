// The line syntax that iCalendar and vCard share: unfolding, NAME;PARAM=WERT:wert lines,
// text escapes, and the writer that folds lines at 75 octets and ends them with CRLF.
#pragma once
#include <string>
#include <utility>
#include <vector>

struct Inhaltszeile {
    std::string Name;  // upper case, without a vCard group prefix ("item1.")
    std::vector<std::pair<std::string, std::string>> Parameter;  // names upper case, quotes removed
    std::string Wert;  // raw, still escaped
    int Zeile = 0;     // 1-based line of the file where it starts

    // The first value of parameter `name`, or "".
    std::string Param(const char* name) const;
    // Whether a TYPE parameter (comma lists, repeated, or vCard 2.1's bare form) names `typ`.
    bool HatTyp(const char* typ) const;
};

struct Zeilenliste {
    std::vector<Inhaltszeile> Zeilen;
    int FehlerZeile = 0;  // > 0: the first line that is no content line
};

// Splits a file's text (CRLF or LF, with or without a UTF-8 byte order mark) into unfolded
// content lines; empty lines are skipped.
Zeilenliste ZerlegeZeilen(const std::string& text);

// Text values: "\\", "\;", "\," and "\n" undone; line breaks become CRLF.
std::string TextAusWert(const std::string& wert);
std::string WertAusText(const std::string& text);
// A structured value (N, ADR, ORG) split at its unescaped `trenner`, each part unescaped.
std::vector<std::string> TeileWert(const std::string& wert, char trenner = ';');
std::string Gross(std::string s);

class ZeilenSchreiber {
public:
    // `kopf` is the name with its parameters; `wert` is written as given (already escaped).
    void Zeile(const std::string& kopf, const std::string& wert);
    const std::string& Text() const { return text_; }

private:
    std::string text_;
};
