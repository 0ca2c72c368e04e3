// Registry access: one open key at a time under a chosen root, closed without an
// explicit flush. Opening never creates unless asked to.
#pragma once

#include <windows.h>

#include <string>

namespace velmora {

class TRegistry {
 public:
  explicit TRegistry(REGSAM access = KEY_ALL_ACCESS) : FAccess(access) {}
  ~TRegistry() { CloseKey(); }
  TRegistry(const TRegistry&) = delete;
  TRegistry& operator=(const TRegistry&) = delete;

  HKEY RootKey() const { return FRootKey; }
  void SetRootKey(HKEY root);  // closes the open key
  HKEY CurrentKey() const { return FCurrentKey; }

  // Opens `path` below the root with the access given at construction; a failure is
  // silent (false), and leaves no key open.
  bool OpenKey(const std::string& path, bool canCreate);
  void CloseKey();

  // Raises ERegistryException "Failed to set data for '<name>'" when no key is open or
  // the platform refuses.
  void WriteString(const std::string& name, const std::string& value);
  bool ValueExists(const std::string& name) const;
  std::string ReadString(const std::string& name) const;  // empty when absent
  bool DeleteValue(const std::string& name);

 private:
  HKEY FRootKey = HKEY_CURRENT_USER;
  REGSAM FAccess;
  HKEY FCurrentKey = nullptr;
};

}  // namespace velmora
