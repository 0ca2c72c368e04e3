// Stored form loading.
#include "framework/form_loader.h"

#include <vector>

#include "framework/exception.h"
#include "framework/form.h"
#include "framework/form_text.h"

namespace velmora {
namespace {

class Loader {
 public:
  explicit Loader(TForm& form) : FForm(form) {}

  void Load(const TFormObject& root) {
    FForm.BeginLoading();
    FLoaded.push_back(&FForm);
    if (FForm.Name().empty()) FForm.SetName(root.Name);
    setProperties(FForm, root);
    for (const TFormObject& child : root.Children) createChild(child, &FForm);
    // Loaded runs when everything is in place, in the order of creation; the form
    // comes last, so that its OnCreate sees every component ready.
    for (TComponent* component : FLoaded)
      if (component != &FForm) component->EndLoading();
    FForm.EndLoading();
  }

 private:
  [[noreturn]] void fail(const TComponent& component, const std::string& property,
                         const std::string& why, int line) {
    throw Exception(FormatText("Error reading %s.%s (line %s): %s",
                               {component.Name(), property, std::to_string(line), why}));
  }

  void createChild(const TFormObject& definition, TComponent* enclosing) {
    const TClassInfo* info = FindClass(definition.ClassName);
    if (!info || !info->Create)
      throw Exception(FormatText("Class %s not found (line %s)",
                                 {definition.ClassName, std::to_string(definition.Line)}));
    TComponent* component = info->Create(&FForm);
    component->BeginLoading();
    FLoaded.push_back(component);
    component->SetName(definition.Name);
    auto* control = dynamic_cast<TControl*>(component);
    auto* container = dynamic_cast<TWinControl*>(enclosing);
    if (control && container)
      control->SetParent(container);
    else if (enclosing != &FForm)
      enclosing->AcceptChild(component);
    setProperties(*component, definition);
    for (const TFormObject& child : definition.Children) createChild(child, component);
  }

  void setProperties(TComponent& component, const TFormObject& definition) {
    for (const TFormProperty& property : definition.Properties) setProperty(component, property);
  }

  // Binary data and line lists go to the component under their whole name
  // ("Icon.Data", "Skin3rd.Strings"); "Font.Name" walks to the sub-object and sets the
  // last part there.
  void setProperty(TComponent& component, const TFormProperty& property) {
    if (auto* binary = std::get_if<TFormBinary>(&property.Value)) {
      if (!component.ReadBinaryProperty(property.Name, binary->Bytes))
        fail(component, property.Name, "property does not exist", property.Line);
      return;
    }
    if (auto* strings = std::get_if<TFormStrings>(&property.Value);
        strings && component.ReadStringsProperty(property.Name, strings->Items))
      return;
    TPersistent* target = &component;
    std::string name = property.Name;
    for (std::size_t dot; (dot = name.find('.')) != std::string::npos;) {
      target = GetObjectProp(*target, name.substr(0, dot));
      if (!target) fail(component, property.Name, "no such object property", property.Line);
      name = name.substr(dot + 1);
    }
    const TPropertyInfo* info = GetPropInfo(*target, name);
    if (!info) fail(component, property.Name, "property does not exist", property.Line);
    if (!assign(*target, *info, property.Value))
      fail(component, property.Name, "invalid property value", property.Line);
  }

  bool assign(TPersistent& target, const TPropertyInfo& info, const TFormValue& value) {
    switch (info.Kind) {
      case TPropKind::Integer:
        if (auto* i = std::get_if<std::int64_t>(&value)) return SetOrdProp(target, info.Name, *i);
        if (auto* id = std::get_if<TFormIdentifier>(&value)) return colorIdentifier(target, info, id->Text);
        return false;
      case TPropKind::Enumeration:
        if (auto* id = std::get_if<TFormIdentifier>(&value)) return SetEnumProp(target, info.Name, id->Text);
        return false;
      case TPropKind::Set:
        if (auto* set = std::get_if<TFormSet>(&value)) return SetSetProp(target, info.Name, set->Items);
        return false;
      case TPropKind::String:
        if (auto* s = std::get_if<std::string>(&value)) return SetStrProp(target, info.Name, *s);
        return false;
      case TPropKind::Object:
        if (auto* id = std::get_if<TFormIdentifier>(&value)) {
          TComponent* other = FForm.FindComponent(id->Text);
          if (!other) return false;
          return SetObjectProp(target, info.Name, other);
        }
        return false;
      case TPropKind::Event:
        if (auto* id = std::get_if<TFormIdentifier>(&value)) {
          const std::any* handler = FForm.FindMethod(id->Text);
          return handler && SetEventProp(target, info.Name, *handler);
        }
        return false;
    }
    return false;
  }

  // Colours may be written by name.
  bool colorIdentifier(TPersistent& target, const TPropertyInfo& info, const std::string& text) {
    static const std::pair<const char*, std::int64_t> colors[] = {
        {"clBtnFace", 0x80000000 | COLOR_BTNFACE}, {"clWindow", 0x80000000 | COLOR_WINDOW},
        {"clWindowText", 0x80000000 | COLOR_WINDOWTEXT}, {"clBlack", 0x000000},
        {"clWhite", 0xFFFFFF}, {"clRed", 0x0000FF}, {"clBlue", 0xFF0000}, {"clGreen", 0x008000},
        {"clNavy", 0x800000}, {"clGray", 0x808080}, {"clSilver", 0xC0C0C0}};
    for (const auto& [name, value] : colors)
      if (SameText(name, text)) return SetOrdProp(target, info.Name, value);
    return false;
  }

  TForm& FForm;
  std::vector<TComponent*> FLoaded;
};

}  // namespace

void ReadFormDefinition(TForm& form, std::string_view text) {
  const TFormObject root = ParseFormText(text);
  if (!SameText(root.ClassName, form.ClassName()))
    throw Exception(FormatText("Stored form is of class %s, not %s", {root.ClassName, form.ClassName()}));
  Loader(form).Load(root);
}

}  // namespace velmora
