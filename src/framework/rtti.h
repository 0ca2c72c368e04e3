// Published properties: every framework class lists its properties (name, kind,
// enumeration identifiers, getter, setter) in a class record, so the stored-form loader
// and the skin's painters can read and write a property by name ("Caption", "Color").
#pragma once

#include <any>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace velmora {

class TPersistent;

enum class TPropKind { Integer, Enumeration, Set, String, Object, Event };

// An event value is the handler as a std::function of the event's own signature.
using TPropValue = std::variant<std::int64_t, std::string, TPersistent*, std::any>;

struct TPropertyInfo {
  std::string Name;
  TPropKind Kind;
  std::vector<std::string> EnumNames;  // identifiers of an enumeration or of a set's bits, by ordinal
  std::function<TPropValue(const TPersistent&)> Get;
  std::function<void(TPersistent&, const TPropValue&)> Set;
};

class TComponent;

// The Sender of an event: the object that raises it.
using TObjectSender = TPersistent*;
// The plain event: a handler taking only its sender.
using TNotifyEvent = std::function<void(TObjectSender sender)>;

struct TClassInfo {
  std::string ClassName;
  const TClassInfo* Parent = nullptr;
  std::vector<TPropertyInfo> Properties;
  // Creates an instance owned by `owner`, for the stored-form loader; empty for classes
  // that are not created by name.
  std::function<TComponent*(TComponent* owner)> Create;

  // Looks in this class, then in its ancestors (case-insensitive, as names are in
  // stored forms).
  const TPropertyInfo* FindProperty(const std::string& name) const;
  bool InheritsFrom(const TClassInfo& other) const;
};

// Classes that stored forms may name.
void RegisterComponentClass(const TClassInfo& info);
const TClassInfo* FindClass(const std::string& className);

bool SameText(const std::string& a, const std::string& b);
// Whether `text` begins with `prefix`, ignoring the case of ASCII letters.
bool StartsText(std::string_view text, std::string_view prefix);

// Reading and writing by name. Missing properties or the wrong kind: `has` false or
// the default; the setters return whether the property was there.
const TPropertyInfo* GetPropInfo(const TPersistent& object, const std::string& name);
std::int64_t GetOrdProp(const TPersistent& object, const std::string& name, std::int64_t def = 0);
std::string GetStrProp(const TPersistent& object, const std::string& name);
TPersistent* GetObjectProp(const TPersistent& object, const std::string& name);
std::string GetEnumProp(const TPersistent& object, const std::string& name);  // identifier text
bool SetOrdProp(TPersistent& object, const std::string& name, std::int64_t value);
bool SetStrProp(TPersistent& object, const std::string& name, const std::string& value);
bool SetObjectProp(TPersistent& object, const std::string& name, TPersistent* value);
bool SetEnumProp(TPersistent& object, const std::string& name, const std::string& identifier);
bool SetEventProp(TPersistent& object, const std::string& name, std::any handler);
// A set property from its identifiers; false when a name is not one of the set's.
bool SetSetProp(TPersistent& object, const std::string& name, const std::vector<std::string>& items);

// The base of every class with published properties.
class TPersistent {
 public:
  virtual ~TPersistent() = default;
  static const TClassInfo& StaticClassInfo();
  virtual const TClassInfo& ClassInfo() const { return StaticClassInfo(); }
  const std::string& ClassName() const { return ClassInfo().ClassName; }
  bool InheritsFrom(const TClassInfo& info) const { return ClassInfo().InheritsFrom(info); }
};

// Property records from member functions, so class tables stay one line a property.
namespace props {

template <class C, class V>
TPropertyInfo Integer(const char* name, V (C::*get)() const, void (C::*set)(V)) {
  return {name, TPropKind::Integer, {},
          [get](const TPersistent& o) -> TPropValue {
            return static_cast<std::int64_t>((static_cast<const C&>(o).*get)());
          },
          [set](TPersistent& o, const TPropValue& v) {
            if (auto* i = std::get_if<std::int64_t>(&v)) (static_cast<C&>(o).*set)(static_cast<V>(*i));
          }};
}

template <class C, class E>
TPropertyInfo Enumeration(const char* name, std::vector<std::string> names, E (C::*get)() const,
                          void (C::*set)(E)) {
  return {name, TPropKind::Enumeration, std::move(names),
          [get](const TPersistent& o) -> TPropValue {
            return static_cast<std::int64_t>((static_cast<const C&>(o).*get)());
          },
          [set](TPersistent& o, const TPropValue& v) {
            if (auto* i = std::get_if<std::int64_t>(&v)) (static_cast<C&>(o).*set)(static_cast<E>(*i));
          }};
}

// A set stored as bits: bit i is EnumNames[i].
template <class C, class V>
TPropertyInfo Set(const char* name, std::vector<std::string> names, V (C::*get)() const,
                  void (C::*set)(V)) {
  TPropertyInfo info = Integer<C, V>(name, get, set);
  info.Kind = TPropKind::Set;
  info.EnumNames = std::move(names);
  return info;
}

template <class C>
TPropertyInfo Boolean(const char* name, bool (C::*get)() const, void (C::*set)(bool)) {
  return Enumeration<C, bool>(name, {"False", "True"}, get, set);
}

template <class C>
TPropertyInfo String(const char* name, std::string (C::*get)() const,
                     void (C::*set)(const std::string&)) {
  return {name, TPropKind::String, {},
          [get](const TPersistent& o) -> TPropValue { return (static_cast<const C&>(o).*get)(); },
          [set](TPersistent& o, const TPropValue& v) {
            if (auto* s = std::get_if<std::string>(&v)) (static_cast<C&>(o).*set)(*s);
          }};
}

template <class C, class T>
TPropertyInfo Object(const char* name, T* (C::*get)() const, void (C::*set)(T*)) {
  return {name, TPropKind::Object, {},
          [get](const TPersistent& o) -> TPropValue {
            return static_cast<TPersistent*>((static_cast<const C&>(o).*get)());
          },
          [set](TPersistent& o, const TPropValue& v) {
            if (auto* p = std::get_if<TPersistent*>(&v))
              (static_cast<C&>(o).*set)(dynamic_cast<T*>(*p));
          }};
}

// An event field of type std::function<...>; the handler arrives as that same type.
template <class C, class F>
TPropertyInfo Event(const char* name, F C::*field) {
  return {name, TPropKind::Event, {},
          [field](const TPersistent& o) -> TPropValue { return std::any(static_cast<const C&>(o).*field); },
          [field](TPersistent& o, const TPropValue& v) {
            if (auto* a = std::get_if<std::any>(&v))
              if (auto* f = std::any_cast<F>(a)) static_cast<C&>(o).*field = *f;
          }};
}

}  // namespace props
}  // namespace velmora
