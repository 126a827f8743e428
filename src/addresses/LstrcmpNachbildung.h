// A portable comparison with the order of lstrcmpA on a German system (word sort): letters by base
// letter ignoring case, then accents, then lower before upper case; '-' and '\'' count
// only when all else is equal; symbols before digits before letters.
#pragma once

int VergleicheWieLstrcmp(const char* a, const char* b);
