#include "framework/io/Registry.h"

namespace skl {

namespace {

std::string JoinedPath(const std::string& base, const std::string& key) {
    if (key.starts_with('\\')) return key.substr(1);
    if (base.empty()) return key;
    return base + "\\" + key;
}

}  // namespace

bool TRegistry::OpenKey(const std::string& key, bool canCreate) {
    std::string path = JoinedPath(path_, key);
    TOwnedRegistryKey opened(OpenRegistryKey(path, canCreate));
    if (!opened) return false;
    key_ = std::move(opened);
    path_ = std::move(path);
    return true;
}

void TRegistry::CloseKey() {
    key_.Reset();
    path_.clear();
}

bool TRegistry::ValueExists(const std::string& name) const {
    return key_ && QueryRegistryValue(key_.Get(), name).has_value();
}

TRegDataType TRegistry::GetDataType(const std::string& name) const {
    if (!key_) return TRegDataType::None;
    const auto value = QueryRegistryValue(key_.Get(), name);
    return value ? value->Type : TRegDataType::None;
}

std::string TRegistry::ReadString(const std::string& name) const {
    if (!key_) return {};
    const auto value = QueryRegistryValue(key_.Get(), name);
    if (!value) return {};
    if (value->Type != TRegDataType::String && value->Type != TRegDataType::ExpandString)
        throw ERegistryException(Format(SInvalidRegType, name.c_str()));
    return value->Data;
}

void TRegistry::WriteString(const std::string& name, const std::string& value) {
    if (!key_ || !SetRegistryString(key_.Get(), name, value))
        throw ERegistryException(Format(SRegSetDataFailed, name.c_str()));
}

bool TRegistry::DeleteValue(const std::string& name) {
    return key_ && DeleteRegistryValue(key_.Get(), name);
}

}  // namespace skl
