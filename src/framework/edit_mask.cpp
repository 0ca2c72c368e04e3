// Edit masks.
#include "framework/edit_mask.h"

namespace velmora {

namespace {
bool isDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

TEditMask::TEditMask(std::string_view mask, char timeSeparator, char dateSeparator) {
  // Sections: the mask itself; "0" to drop literals from the text; the blank character.
  std::string_view body = mask;
  const std::size_t first = mask.find(';');
  if (first != std::string_view::npos) {
    body = mask.substr(0, first);
    std::string_view rest = mask.substr(first + 1);
    const std::size_t second = rest.find(';');
    const std::string_view save = rest.substr(0, second);
    if (!save.empty()) FSaveLiterals = save[0] != '0';
    if (second != std::string_view::npos && second + 1 < rest.size()) FBlank = rest[second + 1];
  }
  for (std::size_t i = 0; i < body.size(); ++i) {
    const char c = body[i];
    switch (c) {
      case '!':
      case '>':
      case '<':
        break;  // case and blank-trimming flags change nothing for digits
      case '0': FPositions.push_back({TMaskPosition::RequiredDigit}); break;
      case '9': FPositions.push_back({TMaskPosition::OptionalDigit}); break;
      case ':': FPositions.push_back({TMaskPosition::Literal, timeSeparator}); break;
      case '/': FPositions.push_back({TMaskPosition::Literal, dateSeparator}); break;
      case '\\':
        if (i + 1 < body.size()) FPositions.push_back({TMaskPosition::Literal, body[++i]});
        break;
      default: FPositions.push_back({TMaskPosition::Literal, c}); break;
    }
  }
}

std::string TEditMask::EmptyValue() const { return Fit(""); }

std::string TEditMask::Fit(std::string_view text) const {
  std::string value;
  for (int i = 0; i < Length(); ++i) {
    const char c = static_cast<std::size_t>(i) < text.size() ? text[static_cast<std::size_t>(i)] : ' ';
    value += At(i).Kind == TMaskPosition::Literal ? At(i).Char : (isDigit(c) ? c : ' ');
  }
  return value;
}

std::string TEditMask::Display(const std::string& value) const {
  std::string shown = value;
  for (int i = 0; i < Length(); ++i)
    if (IsDigitPosition(i) && shown[static_cast<std::size_t>(i)] == ' ') shown[static_cast<std::size_t>(i)] = FBlank;
  return shown;
}

std::string TEditMask::Text(const std::string& value) const {
  if (FSaveLiterals) return value;
  std::string text;
  for (int i = 0; i < Length(); ++i)
    if (IsDigitPosition(i)) text += value[static_cast<std::size_t>(i)];
  return text;
}

int TEditMask::FirstMissing(const std::string& value) const {
  for (int i = 0; i < Length(); ++i)
    if (At(i).Kind == TMaskPosition::RequiredDigit && value[static_cast<std::size_t>(i)] == ' ') return i;
  return -1;
}

int TEditMask::NextDigitPosition(int caret) const {
  while (caret < Length() && !IsDigitPosition(caret)) ++caret;
  return caret;
}

int TEditMask::TypeDigit(std::string& value, int caret, char digit) const {
  if (!isDigit(digit)) return -1;
  const int at = NextDigitPosition(caret);
  if (at >= Length()) return -1;
  value[static_cast<std::size_t>(at)] = digit;
  // The caret moves past the digit and over any literal after it.
  return NextDigitPosition(at + 1) < Length() ? NextDigitPosition(at + 1) : at + 1;
}

int TEditMask::Clear(std::string& value, int from, int to, bool backwards) const {
  if (from > to) std::swap(from, to);
  if (from == to) {
    if (backwards) {
      int at = from - 1;
      while (at >= 0 && !IsDigitPosition(at)) --at;
      if (at < 0) return 0;
      value[static_cast<std::size_t>(at)] = ' ';
      return at;
    }
    const int at = NextDigitPosition(from);
    if (at < Length()) value[static_cast<std::size_t>(at)] = ' ';
    return from;
  }
  for (int i = std::max(from, 0); i < std::min(to, Length()); ++i)
    if (IsDigitPosition(i)) value[static_cast<std::size_t>(i)] = ' ';
  return from;
}

}  // namespace velmora
