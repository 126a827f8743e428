// Diagnostic queries that tests driving the real program send from outside: a registered
// window message to the calendar window whose wParam names what to count.
#pragma once

constexpr const char* DiagnoseMessageName = "Ordivo.Diagnose";

// wParam values; anything else answers -1.
enum DiagnoseQuery {
    DiagnoseGdiObjects = 1,  // GDI objects the program's wrappers hold
    DiagnoseTermine = 2,     // appointments in the open collection
    DiagnoseGeaendert = 3,   // 1 while the open file has unsaved changes
    DiagnoseMarke = 4,       // posted with a number in lParam: kept as the last mark
    DiagnoseLetzteMarke = 5, // the last mark taken off the queue: all posted before it is handled
};
