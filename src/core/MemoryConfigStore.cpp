// In-memory configuration store used by native tests and as the default store.
#include "core/MemoryConfigStore.h"

#include "core/ConfigText.h"

#include <cctype>

class MemoryConfigStore::Key final : public ConfigKey {
public:
    Key(MemoryConfigStore& store, std::string path) : store_(store), path_(std::move(path)) {}

    QueryResult Query(const char* name, char* buf, size_t size) override {
        const auto it = store_.values_.find({path_, Fold(name)});
        if (it == store_.values_.end()) return QueryResult::Missing;
        if (it->second.size() + 1 > size) return QueryResult::TooLong;
        CopyTruncated(buf, size, it->second.c_str());
        return QueryResult::Ok;
    }

    long Set(const char* name, const char* text) override {
        if (store_.setError != 0) return store_.setError;
        store_.values_[{path_, Fold(name)}] = text;
        store_.writes.push_back({path_, name, text});
        return 0;
    }

private:
    MemoryConfigStore& store_;
    std::string path_;
};

std::string MemoryConfigStore::Fold(const std::string& s) {
    std::string folded = s;
    for (char& c : folded) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return folded;
}

void MemoryConfigStore::AddKey(const std::string& path) {
    const std::string folded = Fold(path);
    for (size_t pos = folded.find('\\'); pos != std::string::npos; pos = folded.find('\\', pos + 1))
        keys_.insert(folded.substr(0, pos));
    keys_.insert(folded);
}

std::unique_ptr<ConfigKey> MemoryConfigStore::OpenForQuery(Hive, const char* path) {
    const std::string folded = Fold(path);
    if (keys_.count(folded) == 0) return nullptr;
    return std::make_unique<Key>(*this, folded);
}

std::unique_ptr<ConfigKey> MemoryConfigStore::CreateForWrite(Hive, const char* path) {
    if (createFails) return nullptr;
    AddKey(path);
    return std::make_unique<Key>(*this, Fold(path));
}

void MemoryConfigStore::ReadFallback(const char* name, const char* def, char* buf, size_t size) {
    const auto it = fallback_.find(Fold(name));
    CopyTruncated(buf, size, it == fallback_.end() ? def : it->second.c_str());
}

void MemoryConfigStore::Put(const std::string& path, const std::string& name,
                            const std::string& text) {
    AddKey(path);
    values_[{Fold(path), Fold(name)}] = text;
}

bool MemoryConfigStore::Has(const std::string& path, const std::string& name) const {
    return values_.count({Fold(path), Fold(name)}) != 0;
}

std::string MemoryConfigStore::Get(const std::string& path, const std::string& name) const {
    const auto it = values_.find({Fold(path), Fold(name)});
    return it == values_.end() ? std::string() : it->second;
}

void MemoryConfigStore::PutFallback(const std::string& name, const std::string& text) {
    fallback_[Fold(name)] = text;
}
