// Parser of the stored form's text.
#include "framework/form_text.h"

#include <cctype>

namespace velmora {
namespace {

constexpr int MaxDepth = 64;
constexpr std::size_t MaxBinary = 64u << 20;

bool isIdentStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool isIdentChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

class Parser {
 public:
  explicit Parser(std::string_view text) : FText(text) {}

  TFormObject ParseRoot() {
    skipBlanks();
    TFormObject root = parseObject(0);
    skipBlanks();
    if (!atEnd()) fail("text after the last 'end'");
    return root;
  }

 private:
  [[noreturn]] void fail(const std::string& message) const { throw EFormTextError(message, FLine); }
  bool atEnd() const { return FPos >= FText.size(); }
  char peek() const { return atEnd() ? '\0' : FText[FPos]; }

  void skipBlanks() {
    while (!atEnd()) {
      const char c = FText[FPos];
      if (c == '\n') {
        ++FLine;
        ++FPos;
      } else if (c == ' ' || c == '\t' || c == '\r') {
        ++FPos;
      } else if (c == '/' && FPos + 1 < FText.size() && FText[FPos + 1] == '/') {
        while (!atEnd() && FText[FPos] != '\n') ++FPos;
      } else {
        break;
      }
    }
  }

  std::string identifier() {
    skipBlanks();
    if (!isIdentStart(peek())) fail("identifier expected");
    const std::size_t start = FPos;
    while (!atEnd() && (isIdentChar(FText[FPos]) || FText[FPos] == '.')) ++FPos;
    return std::string(FText.substr(start, FPos - start));
  }

  void expect(char c) {
    skipBlanks();
    if (peek() != c) fail(std::string("'") + c + "' expected");
    ++FPos;
  }

  bool isKeyword(std::string_view word) {
    skipBlanks();
    if (FText.compare(FPos, word.size(), word) != 0) return false;
    const std::size_t after = FPos + word.size();
    if (after < FText.size() && isIdentChar(FText[after])) return false;
    // A keyword is never followed by "=" (that would be a property of that name).
    std::size_t p = after;
    while (p < FText.size() && (FText[p] == ' ' || FText[p] == '\t')) ++p;
    return p >= FText.size() || FText[p] != '=';
  }

  TFormObject parseObject(int depth) {
    if (depth >= MaxDepth) fail("objects nested too deeply");
    if (!isKeyword("object") && !isKeyword("inherited")) fail("'object' expected");
    FPos += FText.compare(FPos, 6, "object") == 0 ? 6 : 9;
    TFormObject object;
    object.Line = FLine;
    object.Name = identifier();
    skipBlanks();
    if (peek() == ':') {
      ++FPos;
      object.ClassName = identifier();
    } else {
      // "object TClassName" without a name.
      object.ClassName = object.Name;
      object.Name.clear();
    }
    for (;;) {
      skipBlanks();
      if (atEnd()) fail("'end' expected");
      if (isKeyword("end")) {
        FPos += 3;
        return object;
      }
      if (isKeyword("object") || isKeyword("inherited")) {
        object.Children.push_back(parseObject(depth + 1));
        continue;
      }
      TFormProperty property;
      property.Line = FLine;
      property.Name = identifier();
      expect('=');
      property.Value = parseValue();
      object.Properties.push_back(std::move(property));
    }
  }

  TFormValue parseValue() {
    skipBlanks();
    const char c = peek();
    if (c == '\'' || c == '#') return parseString();
    if (c == '-' || c == '+' || std::isdigit(static_cast<unsigned char>(c))) return parseInteger();
    if (c == '[') return parseSet();
    if (c == '{') return parseBinary();
    if (c == '(') return parseStrings();
    if (isIdentStart(c)) return TFormIdentifier{identifier()};
    fail("value expected");
  }

  std::int64_t parseInteger() {
    bool negative = false;
    if (peek() == '-' || peek() == '+') negative = FText[FPos++] == '-';
    if (!std::isdigit(static_cast<unsigned char>(peek()))) fail("digits expected");
    std::int64_t value = 0;
    while (std::isdigit(static_cast<unsigned char>(peek()))) {
      if (value > (INT64_MAX - 9) / 10) fail("number too large");
      value = value * 10 + (FText[FPos++] - '0');
    }
    if (isIdentChar(peek()) || peek() == '.') fail("malformed number");
    return negative ? -value : value;
  }

  // 'text'#13'more' + 'joined across lines': pieces touch, or a "+" joins them.
  std::string parseString() {
    std::string out;
    for (;;) {
      if (peek() == '\'') {
        ++FPos;
        for (;;) {
          if (atEnd() || peek() == '\n') fail("unterminated string");
          const char c = FText[FPos++];
          if (c == '\'') {
            if (peek() == '\'') {
              out += '\'';
              ++FPos;
              continue;
            }
            break;
          }
          out += c;
        }
      } else if (peek() == '#') {
        ++FPos;
        if (!std::isdigit(static_cast<unsigned char>(peek()))) fail("character code expected");
        std::uint32_t code = 0;
        while (std::isdigit(static_cast<unsigned char>(peek()))) {
          code = code * 10 + static_cast<std::uint32_t>(FText[FPos++] - '0');
          if (code > 255) fail("character code too large for narrow text");
        }
        out += static_cast<char>(code);
      } else {
        fail("string expected");
      }
      if (peek() == '\'' || peek() == '#') continue;
      const std::size_t pos = FPos;
      const int line = FLine;
      skipBlanks();
      if (peek() != '+') {
        FPos = pos;
        FLine = line;
        return out;
      }
      ++FPos;
      skipBlanks();
      if (peek() != '\'' && peek() != '#') fail("string expected after '+'");
    }
  }

  TFormSet parseSet() {
    expect('[');
    TFormSet set;
    skipBlanks();
    if (peek() == ']') {
      ++FPos;
      return set;
    }
    for (;;) {
      set.Items.push_back(identifier());
      skipBlanks();
      if (peek() == ']') {
        ++FPos;
        return set;
      }
      expect(',');
    }
  }

  TFormBinary parseBinary() {
    expect('{');
    TFormBinary binary;
    int high = -1;
    for (;;) {
      skipBlanks();
      if (atEnd()) fail("'}' expected");
      const char c = FText[FPos++];
      if (c == '}') break;
      const int v = hexValue(c);
      if (v < 0) fail("hexadecimal digit expected");
      if (high < 0) {
        high = v;
      } else {
        if (binary.Bytes.size() >= MaxBinary) fail("binary value too large");
        binary.Bytes.push_back(static_cast<std::uint8_t>(high * 16 + v));
        high = -1;
      }
    }
    if (high >= 0) fail("odd number of hexadecimal digits");
    return binary;
  }

  TFormStrings parseStrings() {
    expect('(');
    TFormStrings strings;
    for (;;) {
      skipBlanks();
      if (peek() == ')') {
        ++FPos;
        return strings;
      }
      if (peek() != '\'' && peek() != '#') fail("string expected in list");
      strings.Items.push_back(parseString());
    }
  }

  std::string_view FText;
  std::size_t FPos = 0;
  int FLine = 1;
};

}  // namespace

TFormObject ParseFormText(std::string_view text) { return Parser(text).ParseRoot(); }

}  // namespace velmora
