// Configuration reads and writes over the configuration store seam.
#include "core/RegAccess.h"

#include "core/ConfigText.h"

#include <cstdio>

char* RegReadString(Hive hive, const char* keyPath, const char* name, const char* def,
                    char* buf, size_t size) {
    if (size == 0) return buf;
    ConfigStore& store = GetConfigStore();
    const auto key = store.OpenForQuery(hive, keyPath);
    if (!key) {
        CopyTruncated(buf, size, def);
        return buf;
    }
    if (key->Query(name, buf, size) != QueryResult::Ok) store.ReadFallback(name, def, buf, size);
    return buf;
}

int RegReadInt(Hive hive, const char* keyPath, const char* name, int def) {
    char defText[12];
    std::snprintf(defText, sizeof defText, "%d", def);
    char buf[12];
    return DecimalValue(RegReadString(hive, keyPath, name, defText, buf, sizeof buf));
}

long RegWriteString(Hive hive, const char* keyPath, const char* name, const char* text) {
    const auto key = GetConfigStore().CreateForWrite(hive, keyPath);
    if (!key) return 1;
    return key->Set(name, text);
}

long RegWriteInt(Hive hive, const char* keyPath, const char* name, int value) {
    char text[12];
    std::snprintf(text, sizeof text, "%d", value);
    return RegWriteString(hive, keyPath, name, text);
}
