// The COM apartment, entered on first use.
#include "framework/com_apartment.h"

#include <windows.h>

namespace velmora {

bool EnterComApartment() {
  // The library stays loaded and the apartment open until the process ends, as they
  // would had the program entered it at start.
  static const bool entered = [] {
    HMODULE ole = LoadLibraryA("ole32.dll");
    if (!ole) return false;
    using CoInitializeProc = HRESULT(WINAPI*)(LPVOID);
    auto coInitialize =
        reinterpret_cast<CoInitializeProc>(reinterpret_cast<void*>(GetProcAddress(ole, "CoInitialize")));
    return coInitialize && SUCCEEDED(coInitialize(nullptr));
  }();
  return entered;
}

}  // namespace velmora
