// The COM apartment, entered on first use.
#include "framework/com_apartment.h"

#include <windows.h>

#include "framework/module_procedure.h"

namespace velmora {

bool EnterComApartment() {
  // The library stays loaded and the apartment open until the process ends, as they
  // would had the program entered it at start.
  static const bool entered = [] {
    using CoInitializeProc = HRESULT(WINAPI*)(LPVOID);
    const auto coInitialize = ProcedureOf<CoInitializeProc>(LoadLibraryA("ole32.dll"), "CoInitialize");
    return coInitialize && SUCCEEDED(coInitialize(nullptr));
  }();
  return entered;
}

}  // namespace velmora
