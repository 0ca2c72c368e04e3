// Reading and writing a served control's published properties by name, so one painter
// serves every control class that has the property. Absent properties give neutral
// values: -1, empty text, null.
#pragma once

#include <string>

#include "framework/rtti.h"

namespace velmora {

// An integer property; -1 for a null object, a missing property or another kind.
int GetIntProp(const TPersistent* object, const std::string& name);
// An enumeration property as its identifier ("True", "bsNone"); empty when absent.
std::string GetEnumText(const TPersistent* object, const std::string& name);
// A string property as UTF-16 (narrow text is read in the ANSI code page).
std::wstring GetTextProp(const TPersistent* object, const std::string& name);
// An object property of class T, or null.
template <class T>
T* GetObjProp(const TPersistent* object, const std::string& name) {
  return object ? dynamic_cast<T*>(GetObjectProp(*object, name)) : nullptr;
}
// Sets an enumeration by identifier, an integer from decimal text, or a string; other
// kinds and absent properties are left alone.
void SetPropText(TPersistent* object, const std::string& name, const std::string& text);

// Lower-case ASCII, for comparing identifiers.
std::string LowerText(std::string text);

}  // namespace velmora
