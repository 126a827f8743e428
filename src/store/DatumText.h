// Dates as text under the regional settings: the formatters every printed date goes through,
// the date parser of the dialogs, the time-text split and the month names.
#pragma once
#include "store/Zeitpunkt.h"

#include <cstdint>
#include <string>

// Regional settings, set once at start-up: date separator and day-before-month order.
char DatumTrenner();  // default '.'
bool TagZuerst();     // default true
void SetzeDatumsformat(char datumTrenner, bool tagVorMonat);

// Padding of the numeric date: first number (day, or month when month comes first) and year.
enum class DatumStil {
    Zweistellig,  // "%02d.%02d.%04d"
    Leer,         // "%2d.%02d.%04d"
    Kurz,         // "%d.%02d.%4d"
    KurzLeer,     // "%2d.%02d.%4d"
    Titel,        // "%d.%2d.%4d" (view titles)
};

std::string DatumText(int tag, int monat, int jahr, DatumStil stil = DatumStil::Zweistellig);
std::string DatumText(const Zeitpunkt& z, DatumStil stil = DatumStil::Zweistellig);
std::string ZeitText(int stunde, int minute, bool leer = false);  // "%02d:%02d" / "%2d:%02d"
std::string EndeText(int stunde, int minute);                     // " - %2d:%02d"
// Date, two blanks and the time "%2d:%02d" (remove-dialog lines).
std::string DatumZeitText(const Zeitpunkt& z, DatumStil stil);
// Date, two blanks and the clock "%02d:%02d:%02d" (status bar clock).
std::string UhrText(const Zeitpunkt& z, int sekunde);
std::string DatumMitText(const Zeitpunkt& z, const std::string& text);  // date, two blanks, text
std::string FeiertagZeile(const Zeitpunkt& z, const std::string& name);  // "(date)", 12 blanks, name
// "%2d. %s %d" day first, "%s %2d, %d" month first.
std::string LangesDatum(int tag, int monat, int jahr);

const char* Monatsname(int monat);  // resource text 1245 + monat; "" outside 1-12

// Result of ParseDatum; Jahr -1 = refused.
struct Datum {
    int32_t Jahr = -1;
    int8_t Tag = 0;
    int8_t Monat = 0;
};
// Reads "day sep month sep year" (month first when !TagZuerst). A refused text shows
// message 1113 (caption 1134) and gives Jahr -1.
Datum ParseDatum(const std::string& text, char trenner = DatumTrenner());

// Day, month and year exactly as typed: the text split at the separator, in the regional
// order. False when a part is missing; no message.
struct DatumTeile {
    int Tag = 0, Monat = 0, Jahr = 0;
};
bool ZerlegeDatum(const std::string& text, DatumTeile& out, char trenner = DatumTrenner());
// A day of the calendar: month 1-12, a day the month has, year 1800-3999.
bool IstKalenderDatum(int tag, int monat, int jahr);

// Time text split at '.', ':' and '-'. No hour token = no time of day (hour and minute 0).
struct Uhrzeit {
    bool OhneZeit = true;
    int Stunde = 0;
    int Minute = 0;
};
Uhrzeit ZerlegeZeit(const std::string& text);
