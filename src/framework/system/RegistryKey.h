#pragma once
// Keys of the current user's registry hive as the system holds them. Key
// paths run from the hive's root with "\" between the keys; key and value
// names match without regard to case.
#include <cstdint>
#include <optional>
#include <string>

#include "framework/core/Handle.h"

namespace skl {

using RegistryKey = THandle<struct TRegistryKeyKind, std::intptr_t>;
inline constexpr RegistryKey NoRegistryKey{};

// The system's value types (REG_SZ, REG_EXPAND_SZ, ...); others may occur.
enum class TRegDataType : std::uint32_t {
    None = 0,
    String = 1,
    ExpandString = 2,
    Binary = 3,
    DWord = 4,
    MultiString = 7,
};

struct TRegistryValue {
    TRegDataType Type = TRegDataType::None;
    // The text, for the two string types (up to the first NUL); the raw
    // bytes for every other type.
    std::string Data;

    bool operator==(const TRegistryValue&) const = default;
};

// NoRegistryKey when the key is missing (and not to be created) or refused.
RegistryKey OpenRegistryKey(const std::string& path, bool canCreate);
void CloseRegistryKey(RegistryKey key);
using TOwnedRegistryKey = TOwnedHandle<RegistryKey, CloseRegistryKey>;

std::optional<TRegistryValue> QueryRegistryValue(RegistryKey key, const std::string& name);
bool SetRegistryString(RegistryKey key, const std::string& name, const std::string& value);
bool DeleteRegistryValue(RegistryKey key, const std::string& name);

}  // namespace skl
