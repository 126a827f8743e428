// The four configuration operations every part of the program uses. Values are text;
// a read falls back to ORDIVO.INI when the key exists but the value does not fit or is
// missing. Writes never touch the INI file.
#pragma once
#include "core/ConfigStore.h"

#include <cstddef>

// Key missing → def. Value missing or longer than size - 1 → INI fallback, then def.
// Returns buf (always zero-terminated when size > 0).
char* RegReadString(Hive hive, const char* keyPath, const char* name, const char* def,
                    char* buf, size_t size);

// Reads through a 12-character buffer and returns the decimal value of the text.
int RegReadInt(Hive hive, const char* keyPath, const char* name, int def);

// 0 on success, 1 when the key cannot be created or opened, else the store's error code.
long RegWriteString(Hive hive, const char* keyPath, const char* name, const char* text);
long RegWriteInt(Hive hive, const char* keyPath, const char* name, int value);
