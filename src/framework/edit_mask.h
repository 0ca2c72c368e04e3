// Edit masks of the masked edit: the positions of a mask such as "!90:00:00;1;_"
// (0 a required digit, 9 an optional digit, : the time separator, / the date
// separator, \ makes the next character literal; after ";" whether literals are kept
// in the text and the character that shows an empty position), and the editing rules
// on a value of those positions. Portable: the separators are given by the caller.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora {

struct TMaskPosition {
  enum TKind { Literal, RequiredDigit, OptionalDigit };
  TKind Kind;
  char Char = 0;  // of a literal
};

class TEditMask {
 public:
  TEditMask() = default;
  TEditMask(std::string_view mask, char timeSeparator, char dateSeparator);

  bool Empty() const { return FPositions.empty(); }
  int Length() const { return static_cast<int>(FPositions.size()); }
  const TMaskPosition& At(int i) const { return FPositions[static_cast<std::size_t>(i)]; }
  char BlankChar() const { return FBlank; }
  bool SaveLiterals() const { return FSaveLiterals; }
  bool IsDigitPosition(int i) const { return i >= 0 && i < Length() && At(i).Kind != TMaskPosition::Literal; }

  // A value: one character a position, blanks for empty digit positions.
  std::string EmptyValue() const;
  // Text put in by the program, fitted to the positions without validation: literal
  // positions take the mask's literal, digit positions a digit or a blank.
  std::string Fit(std::string_view text) const;
  // What the field shows while edited: empty positions as the blank character.
  std::string Display(const std::string& value) const;
  // The field's text: literals kept or dropped as the mask says, empty positions blank.
  std::string Text(const std::string& value) const;
  // The first required position left empty, or -1 when the value is complete.
  int FirstMissing(const std::string& value) const;

  // Editing. Each returns the caret position after the edit, or -1 when the key is
  // refused (not a digit, no room).
  int TypeDigit(std::string& value, int caret, char digit) const;
  // Clears [from, to) (a selection) or, when empty, the position before (backspace)
  // or at (delete) the caret.
  int Clear(std::string& value, int from, int to, bool backwards) const;
  // The next digit position at or after `caret`, or Length().
  int NextDigitPosition(int caret) const;

 private:
  std::vector<TMaskPosition> FPositions;
  char FBlank = '_';
  bool FSaveLiterals = true;
};

}  // namespace velmora
