// Resource strings by number. The product loads them from ORDIVO.DLL; native tests read
// the same string table from resources/*.rc.
#pragma once

// Loads string `id` into one of two alternating 256-character buffers and returns it, so
// that a message text and its caption can be used together. Missing strings give "".
const char* LoadResString(int id);
