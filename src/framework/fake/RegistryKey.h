#pragma once
// The headless current user's hive lives in memory; tests load it, read
// back what the program wrote and make its writes fail.
#include <optional>
#include <string>

#include "framework/io/Registry.h"

namespace skl::fake {

// Removes every key and value and lets writes succeed again.
void ClearRegistry();
// Key paths as TRegistry takes them from the root, with or without the
// leading "\"; missing keys are created.
void PutRegistryValue(const std::string& key, const std::string& name, TRegistryValue value);
std::optional<TRegistryValue> GetRegistryValue(const std::string& key, const std::string& name);
bool RegistryKeyExists(const std::string& key);
// While set, the system refuses every value the program writes.
void SetRegistryWritesFail(bool fail);

}  // namespace skl::fake
