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
    const RegistryKey opened = OpenRegistryKey(path, canCreate);
    if (opened == NoRegistryKey) return false;
    CloseKey();
    key_ = opened;
    path_ = std::move(path);
    return true;
}

void TRegistry::CloseKey() {
    if (key_ != NoRegistryKey) CloseRegistryKey(key_);
    key_ = NoRegistryKey;
    path_.clear();
}

bool TRegistry::ValueExists(const std::string& name) const {
    return key_ != NoRegistryKey && QueryRegistryValue(key_, name).has_value();
}

TRegDataType TRegistry::GetDataType(const std::string& name) const {
    if (key_ == NoRegistryKey) return TRegDataType::None;
    const auto value = QueryRegistryValue(key_, name);
    return value ? value->Type : TRegDataType::None;
}

std::string TRegistry::ReadString(const std::string& name) const {
    if (key_ == NoRegistryKey) return {};
    const auto value = QueryRegistryValue(key_, name);
    if (!value) return {};
    if (value->Type != TRegDataType::String && value->Type != TRegDataType::ExpandString)
        throw ERegistryException(Format(SInvalidRegType, name.c_str()));
    return value->Data;
}

void TRegistry::WriteString(const std::string& name, const std::string& value) {
    if (key_ == NoRegistryKey || !SetRegistryString(key_, name, value))
        throw ERegistryException(Format(SRegSetDataFailed, name.c_str()));
}

bool TRegistry::DeleteValue(const std::string& name) {
    return key_ != NoRegistryKey && DeleteRegistryValue(key_, name);
}

}  // namespace skl
