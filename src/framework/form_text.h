// The stored form's text: components by class name, each with its published
// properties and the components it holds, in the classic text form format:
//
//   object Form1: TForm1
//     Caption = '数据备份'
//     Font.Name = 'MS Sans Serif'
//     BorderIcons = [biSystemMenu, biMinimize]
//     OnCreate = FormCreate
//     object tmr1: TTimer
//       Interval = 1000
//     end
//     SkinStream = {0A1B...}
//   end
//
// Strings are quoted with ' ('' is a quote), may be joined with + across lines and may
// contain #nnn byte codes (0-255). The text is the program's narrow text: the form is
// compiled into the program as a string literal, so its Chinese captions are GBK bytes
// like every other text of the program. Portable.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace velmora {

struct TFormIdentifier {
  std::string Text;  // True, False, an enumeration identifier or a handler name
  bool operator==(const TFormIdentifier&) const = default;
};
struct TFormSet {
  std::vector<std::string> Items;
  bool operator==(const TFormSet&) const = default;
};
struct TFormBinary {
  std::vector<std::uint8_t> Bytes;
  bool operator==(const TFormBinary&) const = default;
};
struct TFormStrings {  // ( 'line' 'line' ... )
  std::vector<std::string> Items;
  bool operator==(const TFormStrings&) const = default;
};

using TFormValue =
    std::variant<std::int64_t, std::string, TFormIdentifier, TFormSet, TFormBinary, TFormStrings>;

struct TFormProperty {
  std::string Name;  // may be a path: "Font.Name"
  TFormValue Value;
  int Line = 0;
};

struct TFormObject {
  std::string Name;
  std::string ClassName;
  std::vector<TFormProperty> Properties;
  std::vector<TFormObject> Children;
  int Line = 0;
};

class EFormTextError : public std::runtime_error {
 public:
  EFormTextError(const std::string& message, int line)
      : std::runtime_error("Stored form, line " + std::to_string(line) + ": " + message),
        FLine(line) {}
  int Line() const { return FLine; }

 private:
  int FLine;
};

// Parses one top-level object; raises EFormTextError on anything malformed. Nesting
// deeper than 64 objects and binary values larger than 64 MiB are refused.
TFormObject ParseFormText(std::string_view text);

}  // namespace velmora
