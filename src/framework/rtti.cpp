// Published property look-up and the class registry.
#include "framework/rtti.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace velmora {
namespace {

std::string upper(const std::string& s) {
  std::string out = s;
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

std::map<std::string, const TClassInfo*>& registry() {
  static std::map<std::string, const TClassInfo*> classes;
  return classes;
}

}  // namespace

bool StartsText(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(), [](char x, char y) {
           return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
         });
}

bool SameText(const std::string& a, const std::string& b) { return a.size() == b.size() && StartsText(a, b); }

const TPropertyInfo* TClassInfo::FindProperty(const std::string& name) const {
  for (const TClassInfo* c = this; c; c = c->Parent)
    for (const TPropertyInfo& p : c->Properties)
      if (SameText(p.Name, name)) return &p;
  return nullptr;
}

bool TClassInfo::InheritsFrom(const TClassInfo& other) const {
  for (const TClassInfo* c = this; c; c = c->Parent)
    if (c == &other) return true;
  return false;
}

void RegisterComponentClass(const TClassInfo& info) { registry()[upper(info.ClassName)] = &info; }

const TClassInfo* FindClass(const std::string& className) {
  auto it = registry().find(upper(className));
  return it == registry().end() ? nullptr : it->second;
}

const TClassInfo& TPersistent::StaticClassInfo() {
  static const TClassInfo info{"TPersistent", nullptr, {}, {}};
  return info;
}

const TPropertyInfo* GetPropInfo(const TPersistent& object, const std::string& name) {
  return object.ClassInfo().FindProperty(name);
}

std::int64_t GetOrdProp(const TPersistent& object, const std::string& name, std::int64_t def) {
  const TPropertyInfo* p = GetPropInfo(object, name);
  if (!p || !p->Get) return def;
  TPropValue v = p->Get(object);
  auto* i = std::get_if<std::int64_t>(&v);
  return i ? *i : def;
}

std::string GetStrProp(const TPersistent& object, const std::string& name) {
  const TPropertyInfo* p = GetPropInfo(object, name);
  if (!p || !p->Get || p->Kind != TPropKind::String) return {};
  TPropValue v = p->Get(object);
  return std::get<std::string>(v);
}

TPersistent* GetObjectProp(const TPersistent& object, const std::string& name) {
  const TPropertyInfo* p = GetPropInfo(object, name);
  if (!p || !p->Get || p->Kind != TPropKind::Object) return nullptr;
  TPropValue v = p->Get(object);
  return std::get<TPersistent*>(v);
}

std::string GetEnumProp(const TPersistent& object, const std::string& name) {
  const TPropertyInfo* p = GetPropInfo(object, name);
  if (!p || !p->Get || p->Kind != TPropKind::Enumeration) return {};
  TPropValue v = p->Get(object);
  const auto ordinal = std::get<std::int64_t>(v);
  return ordinal >= 0 && static_cast<std::size_t>(ordinal) < p->EnumNames.size()
             ? p->EnumNames[static_cast<std::size_t>(ordinal)]
             : std::string();
}

bool SetOrdProp(TPersistent& object, const std::string& name, std::int64_t value) {
  const TPropertyInfo* p = GetPropInfo(object, name);
  if (!p || !p->Set ||
      (p->Kind != TPropKind::Integer && p->Kind != TPropKind::Enumeration && p->Kind != TPropKind::Set))
    return false;
  p->Set(object, value);
  return true;
}

bool SetStrProp(TPersistent& object, const std::string& name, const std::string& value) {
  const TPropertyInfo* p = GetPropInfo(object, name);
  if (!p || !p->Set || p->Kind != TPropKind::String) return false;
  p->Set(object, value);
  return true;
}

bool SetObjectProp(TPersistent& object, const std::string& name, TPersistent* value) {
  const TPropertyInfo* p = GetPropInfo(object, name);
  if (!p || !p->Set || p->Kind != TPropKind::Object) return false;
  p->Set(object, value);
  return true;
}

bool SetEnumProp(TPersistent& object, const std::string& name, const std::string& identifier) {
  const TPropertyInfo* p = GetPropInfo(object, name);
  if (!p || !p->Set || p->Kind != TPropKind::Enumeration) return false;
  for (std::size_t i = 0; i < p->EnumNames.size(); ++i) {
    if (SameText(p->EnumNames[i], identifier)) {
      p->Set(object, static_cast<std::int64_t>(i));
      return true;
    }
  }
  return false;
}

bool SetEventProp(TPersistent& object, const std::string& name, std::any handler) {
  const TPropertyInfo* p = GetPropInfo(object, name);
  if (!p || !p->Set || p->Kind != TPropKind::Event) return false;
  p->Set(object, std::move(handler));
  return true;
}

bool SetSetProp(TPersistent& object, const std::string& name, const std::vector<std::string>& items) {
  const TPropertyInfo* p = GetPropInfo(object, name);
  if (!p || !p->Set || p->Kind != TPropKind::Set) return false;
  std::int64_t bits = 0;
  for (const std::string& item : items) {
    auto it = std::find_if(p->EnumNames.begin(), p->EnumNames.end(),
                           [&](const std::string& n) { return SameText(n, item); });
    if (it == p->EnumNames.end()) return false;
    bits |= std::int64_t{1} << (it - p->EnumNames.begin());
  }
  p->Set(object, bits);
  return true;
}

}  // namespace velmora
