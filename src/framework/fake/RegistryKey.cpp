#include "framework/system/RegistryKey.h"

#include <map>
#include <mutex>

#include "framework/fake/RegistryKey.h"

namespace skl {

namespace {

struct StoredValue {
    std::string name;  // as first written
    TRegistryValue value;
};

using Values = std::map<std::string, StoredValue>;

struct Hive {
    std::mutex lock;
    std::map<std::string, Values> keys;
    std::map<RegistryKey, std::string> openKeys;
    std::intptr_t nextHandle = 1;
    bool writesFail = false;
};

Hive& TheHive() {
    static Hive hive;
    return hive;
}

// Names are compared in upper case; paths lose the "\" at their ends.
std::string Folded(std::string name) {
    for (char& c : name)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return name;
}

std::string FoldedPath(const std::string& path) {
    std::string folded = Folded(path);
    while (folded.starts_with('\\')) folded.erase(0, 1);
    while (folded.ends_with('\\')) folded.pop_back();
    return folded;
}

void CreateKey(Hive& hive, const std::string& path) {
    for (auto slash = path.find('\\'); slash != std::string::npos; slash = path.find('\\', slash + 1))
        hive.keys[path.substr(0, slash)];
    hive.keys[path];
}

Values* OpenValues(Hive& hive, RegistryKey key) {
    const auto open = hive.openKeys.find(key);
    if (open == hive.openKeys.end()) return nullptr;
    return &hive.keys[open->second];
}

}  // namespace

RegistryKey OpenRegistryKey(const std::string& path, bool canCreate) {
    Hive& hive = TheHive();
    std::lock_guard guard(hive.lock);
    const std::string folded = FoldedPath(path);
    if (!hive.keys.contains(folded)) {
        if (!canCreate) return NoRegistryKey;
        CreateKey(hive, folded);
    }
    const RegistryKey key(hive.nextHandle++);
    hive.openKeys[key] = folded;
    return key;
}

void CloseRegistryKey(RegistryKey key) {
    Hive& hive = TheHive();
    std::lock_guard guard(hive.lock);
    hive.openKeys.erase(key);
}

std::optional<TRegistryValue> QueryRegistryValue(RegistryKey key, const std::string& name) {
    Hive& hive = TheHive();
    std::lock_guard guard(hive.lock);
    const Values* values = OpenValues(hive, key);
    if (!values) return std::nullopt;
    const auto found = values->find(Folded(name));
    if (found == values->end()) return std::nullopt;
    return found->second.value;
}

bool SetRegistryString(RegistryKey key, const std::string& name, const std::string& value) {
    Hive& hive = TheHive();
    std::lock_guard guard(hive.lock);
    Values* values = OpenValues(hive, key);
    if (!values || hive.writesFail) return false;
    auto& stored = (*values)[Folded(name)];
    if (stored.name.empty()) stored.name = name;
    stored.value = {TRegDataType::String, value.substr(0, value.find('\0'))};
    return true;
}

bool DeleteRegistryValue(RegistryKey key, const std::string& name) {
    Hive& hive = TheHive();
    std::lock_guard guard(hive.lock);
    Values* values = OpenValues(hive, key);
    return values && !hive.writesFail && values->erase(Folded(name)) > 0;
}

void fake::ClearRegistry() {
    Hive& hive = TheHive();
    std::lock_guard guard(hive.lock);
    hive.keys.clear();
    hive.writesFail = false;
}

void fake::PutRegistryValue(const std::string& key, const std::string& name, TRegistryValue value) {
    Hive& hive = TheHive();
    std::lock_guard guard(hive.lock);
    const std::string path = FoldedPath(key);
    CreateKey(hive, path);
    hive.keys[path][Folded(name)] = {name, std::move(value)};
}

std::optional<TRegistryValue> fake::GetRegistryValue(const std::string& key, const std::string& name) {
    Hive& hive = TheHive();
    std::lock_guard guard(hive.lock);
    const auto found = hive.keys.find(FoldedPath(key));
    if (found == hive.keys.end()) return std::nullopt;
    const auto value = found->second.find(Folded(name));
    if (value == found->second.end()) return std::nullopt;
    return value->second.value;
}

bool fake::RegistryKeyExists(const std::string& key) {
    Hive& hive = TheHive();
    std::lock_guard guard(hive.lock);
    return hive.keys.contains(FoldedPath(key));
}

void fake::SetRegistryWritesFail(bool fail) {
    Hive& hive = TheHive();
    std::lock_guard guard(hive.lock);
    hive.writesFail = fail;
}

}  // namespace skl
