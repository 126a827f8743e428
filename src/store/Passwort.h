// The file password: its scrambled form in the native header, the check before a
// protected file is overwritten, and the seam to the password dialog.
#pragma once
#include <string>

class ClsListe;

constexpr int PasswortEingabeMax = 11;  // what the dialogs accept
constexpr int PasswortBytes = 14;       // header bytes 18-31: up to 13 characters and a zero

// s[i] = (p[i] + i + 128) mod 256 for the characters of `passwort` (at most 13), then zeros.
void Verschluessele(const char* passwort, unsigned char ziel[PasswortBytes]);
// p[i] = (s[i] - i - 128) mod 256 up to the first zero byte (at most 13 characters).
std::string Entschluessele(const unsigned char quelle[PasswortBytes]);
// Replaces the whole of `ziel` (ClsListe::Passwort): `passwort`, cut to 13 characters, then
// zeros, so nothing of an earlier, longer password remains.
void SetzePasswort(char (&ziel)[PasswortBytes], const std::string& passwort);
// -1 when `passwort` can be stored; otherwise the position (from 0) of the first character
// that would scramble to a zero byte (code 128 - i at position i) and so cut the stored
// password short, or 13 when it is longer than 13 characters.
int NichtSpeicherbareStelle(const std::string& passwort);

// Before save-as overwrites `pfad`: true when the file cannot hold a password or the user
// typed it right (liste.Passwort then takes it over); false after message 1174, or when
// the file cannot be opened.
bool PruefeDateiPasswort(const std::string& pfad, ClsListe& liste);

// Runs the password dialog (template 2358) against `passwort`; true when the user typed
// exactly that text. The dialog is installed at start-up (tests install a script); until
// then every protected file is refused.
bool FragePasswort(const std::string& passwort);
using PasswortFrage = bool (*)(const std::string& passwort);
PasswortFrage SetzePasswortFrage(PasswortFrage frage);  // nullptr: refuse; returns the previous one
