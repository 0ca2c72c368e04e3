// The definition text.
#include "skin/data/quick_ini.h"

#include "framework/profile_integer.h"

namespace velmora {

namespace {

std::string_view trim(std::string_view s) {
  while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ') s.remove_prefix(1);
  while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') s.remove_suffix(1);
  return s;
}

std::string lower(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

bool sameText(std::string_view a, std::string_view b) { return a.size() == b.size() && lower(a) == lower(b); }

}  // namespace

void TQuickIni::LoadFromText(std::string_view text) {
  FLines.clear();
  FSections.clear();
  std::size_t start = 0;
  auto keep = [&](std::string_view raw) {
    const std::string_view line = trim(raw);
    if (line.empty() || line.front() == ';') return;
    TLine kept;
    kept.Text = std::string(line);
    if (line.front() == '[' && line.back() == ']') {
      kept.Header = true;
      FSections.push_back({kept.Text, FLines.size()});
    } else if (const std::size_t eq = line.find('='); eq != std::string_view::npos) {
      kept.Key = lower(trim(line.substr(0, eq)));
      kept.Value = std::string(trim(line.substr(eq + 1)));
    }
    FLines.push_back(std::move(kept));
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    keep(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;  // CR LF is one break
    start = i + 1;
  }
  keep(text.substr(start));
}

std::string TQuickIni::ReadString(const std::string& section, const std::string& key, const std::string& def) const {
  if (FLines.empty()) return def;
  const std::string header = "[" + section + "]";
  const TSection* found = nullptr;
  for (const TSection& s : FSections)
    if (sameText(s.Header, header)) {
      found = &s;  // the first header of that name wins
      break;
    }
  if (!found) return def;
  const std::string wanted = lower(key);
  for (std::size_t i = found->Line + 1; i < FLines.size() && !FLines[i].Header; ++i)
    if (!FLines[i].Key.empty() && FLines[i].Key == wanted) return FLines[i].Value.empty() ? def : FLines[i].Value;
  return def;
}

std::int32_t TQuickIni::ReadInteger(const std::string& section, const std::string& key, std::int32_t def) const {
  const std::string value = ReadString(section, key, "");
  return value.empty() ? def : ProfileIntegerOr(value, def);
}

std::vector<std::string> TQuickIni::ReadSections() const {
  std::vector<std::string> names;
  for (const TSection& s : FSections) names.emplace_back(trim(std::string_view(s.Header).substr(1, s.Header.size() - 2)));
  return names;
}

std::uint32_t ParseColorText(std::string_view text) {
  std::uint32_t parts[3] = {0, 0, 0};
  int index = 0;
  std::size_t i = 0;
  while (index < 3 && i < text.size()) {
    if (text[i] < '0' || text[i] > '9') {
      ++i;
      continue;
    }
    std::uint32_t value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') value = value * 10 + static_cast<std::uint32_t>(text[i++] - '0');
    parts[index++] = value & 0xFF;
  }
  return parts[0] | parts[1] << 8 | parts[2] << 16;
}

}  // namespace velmora
