// The messages every import shows: the one question before inserting and the report after.
#pragma once
#include <string>

// With nothing to insert: the report as a warning, false. Otherwise the question `frage`
// formatted with `anzahl`; true on Yes.
bool FrageImport(int frage, int anzahl, const std::string& bericht);
// The report after inserting.
void MeldeImport(const std::string& bericht);
// The count text `id` for `anzahl`: its resource string holds the singular and the plural
// form, "one|many", each formatted with the count first and `zusatz` second.
std::string AnzahlText(int id, int anzahl, int zusatz = 0);
