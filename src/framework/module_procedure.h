// A procedure of a library loaded at run time, as the pointer type it is called through.
#pragma once

#include <windows.h>

namespace velmora {

// `module`'s export `name` as a `Proc`; null when the module or the export is missing.
template <class Proc>
Proc ProcedureOf(HMODULE module, const char* name) {
  return module ? reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

}  // namespace velmora
