#pragma once
// The registry object: access to the current user's hive (root key
// HKEY_CURRENT_USER), one open key at a time.
#include <string>

#include "framework/core/Exceptions.h"
#include "framework/system/RegistryKey.h"

namespace skl {

class ERegistryException : public Exception {
public:
    using Exception::Exception;
};

inline constexpr const char* SInvalidRegType = "Invalid data type for '%s'";
inline constexpr const char* SRegSetDataFailed = "Failed to set data for '%s'";

class TRegistry {
public:
    TRegistry() = default;
    ~TRegistry() = default;
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    // A path starting with "\" runs from the root, any other from the open
    // key. On success the new key replaces the open one.
    bool OpenKey(const std::string& key, bool canCreate);
    void CloseKey();
    // The open key's path from the root, without a leading "\"; empty when
    // no key is open.
    const std::string& CurrentPath() const { return path_; }

    bool ValueExists(const std::string& name) const;
    // TRegDataType::None when the value is missing.
    TRegDataType GetDataType(const std::string& name) const;
    // Empty when the value is missing; ERegistryException "Invalid data type
    // for '<name>'" when it is neither a string nor an expandable string.
    std::string ReadString(const std::string& name) const;
    // Writes a plain string; ERegistryException "Failed to set data for
    // '<name>'" when the system refuses.
    void WriteString(const std::string& name, const std::string& value);
    // False when there was no such value.
    bool DeleteValue(const std::string& name);

private:
    TOwnedRegistryKey key_;
    std::string path_;
};

}  // namespace skl
