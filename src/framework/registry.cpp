// Registry access.
#include "framework/registry.h"

#include <vector>

#include "framework/exception.h"

namespace velmora {

void TRegistry::SetRootKey(HKEY root) {
  CloseKey();
  FRootKey = root;
}

bool TRegistry::OpenKey(const std::string& path, bool canCreate) {
  CloseKey();
  HKEY key = nullptr;
  LONG result;
  if (canCreate) {
    result = RegCreateKeyExA(FRootKey, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, FAccess,
                             nullptr, &key, nullptr);
  } else {
    result = RegOpenKeyExA(FRootKey, path.c_str(), 0, FAccess, &key);
  }
  if (result != ERROR_SUCCESS) return false;
  FCurrentKey = key;
  return true;
}

void TRegistry::CloseKey() {
  if (FCurrentKey) {
    RegCloseKey(FCurrentKey);
    FCurrentKey = nullptr;
  }
}

void TRegistry::WriteString(const std::string& name, const std::string& value) {
  LONG result = ERROR_INVALID_HANDLE;
  if (FCurrentKey) {
    result = RegSetValueExA(FCurrentKey, name.c_str(), 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(value.c_str()),
                            static_cast<DWORD>(value.size() + 1));
  }
  if (result != ERROR_SUCCESS)
    throw ERegistryException(FormatText("Failed to set data for '%s'", {name}));
}

bool TRegistry::ValueExists(const std::string& name) const {
  return FCurrentKey &&
         RegQueryValueExA(FCurrentKey, name.c_str(), nullptr, nullptr, nullptr, nullptr) ==
             ERROR_SUCCESS;
}

std::string TRegistry::ReadString(const std::string& name) const {
  if (!FCurrentKey) return {};
  DWORD type = 0, size = 0;
  if (RegQueryValueExA(FCurrentKey, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ))
    return {};
  std::vector<char> data(size + 1, '\0');
  if (RegQueryValueExA(FCurrentKey, name.c_str(), nullptr, nullptr,
                       reinterpret_cast<BYTE*>(data.data()), &size) != ERROR_SUCCESS)
    return {};
  return std::string(data.data());
}

bool TRegistry::DeleteValue(const std::string& name) {
  return FCurrentKey && RegDeleteValueA(FCurrentKey, name.c_str()) == ERROR_SUCCESS;
}

}  // namespace velmora
