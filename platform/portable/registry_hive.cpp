#include "platform/portable/registry_hive.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/portable/name_case.h"

namespace {

std::string LowerCase(std::string_view text) { return AsciiLowerCase(text); }
std::string UpperCase(std::string_view text) { return AsciiUpperCase(text); }

// The registry refuses longer key names.
constexpr std::size_t kMaxKeyComponent = 255;

bool HasLineBreakOrNul(std::string_view text) {
  return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

void AppendQuoted(std::string& out, std::string_view text) {
  out += '"';
  for (char c : text) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '"': out += "\\\""; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      default: out += c;
    }
  }
  out += '"';
}

// Reads a quoted string at `pos`; on success `pos` is just past the closing quote.
bool ReadQuoted(std::string_view line, std::size_t& pos, std::string& text, std::string& error) {
  if (pos >= line.size() || line[pos] != '"') {
    error = "a quoted string was expected";
    return false;
  }
  text.clear();
  for (++pos; pos < line.size(); ++pos) {
    char c = line[pos];
    if (c == '"') {
      ++pos;
      return true;
    }
    if (c == '\\') {
      if (++pos == line.size()) break;
      switch (line[pos]) {
        case '\\': text += '\\'; break;
        case '"': text += '"'; break;
        case 'r': text += '\r'; break;
        case 'n': text += '\n'; break;
        default: error = "unknown escape in a quoted string"; return false;
      }
    } else if (c == '\0') {
      error = "NUL byte in a quoted string";
      return false;
    } else {
      text += c;
    }
  }
  error = "unterminated quoted string";
  return false;
}

std::string_view TrimRight(std::string_view text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
    text.remove_suffix(1);
  return text;
}

}  // namespace

RegistryHive::Value* RegistryHive::Key::Find(std::string_view valueName) {
  auto found = byLowerName.find(LowerCase(valueName));
  return found == byLowerName.end() ? nullptr : &values[found->second];
}

void RegistryHive::Key::Set(std::string_view valueName, std::string_view data) {
  auto [slot, added] = byLowerName.try_emplace(LowerCase(valueName), values.size());
  // Setting a value again keeps its place and the spelling of its name.
  if (added)
    values.push_back(Value{std::string(valueName), std::string(data)});
  else
    values[slot->second].data = std::string(data);
}

const RegistryHive::Value* RegistryHive::Key::Find(std::string_view valueName) const {
  return const_cast<Key*>(this)->Find(valueName);
}

std::optional<std::string> RegistryHive::CanonicalKey(std::string_view key) {
  while (!key.empty() && key.front() == '\\') key.remove_prefix(1);
  while (!key.empty() && key.back() == '\\') key.remove_suffix(1);
  if (HasLineBreakOrNul(key) || key.find("\\\\") != std::string_view::npos) return std::nullopt;
  return std::string(key);
}

bool RegistryHive::CanHoldKey(std::string_view key) {
  auto canonical = CanonicalKey(key);
  if (!canonical) return false;
  std::size_t start = 0;
  while (start <= canonical->size()) {
    std::size_t cut = canonical->find('\\', start);
    if (cut == std::string::npos) cut = canonical->size();
    if (cut - start > kMaxKeyComponent) return false;
    start = cut + 1;
  }
  return true;
}

// Each component keeps the spelling it was created with, whatever the spelling of
// the path that reaches it later.
RegistryHive::Key& RegistryHive::EnsureKey(const std::string& canonical) {
  std::string spelled;
  Key* key = nullptr;
  std::size_t start = 0;
  while (true) {
    std::size_t cut = canonical.find('\\', start);
    if (cut == std::string::npos) cut = canonical.size();
    const std::string prefix = canonical.substr(0, cut);
    std::string name =
        start == 0 ? prefix : spelled + "\\" + canonical.substr(start, cut - start);
    key = &keys_.try_emplace(LowerCase(prefix), Key{std::move(name), {}, {}}).first->second;
    spelled = key->name;
    if (cut == canonical.size()) return *key;
    start = cut + 1;
  }
}

bool RegistryHive::CreateKey(std::string_view key) {
  auto canonical = CanonicalKey(key);
  if (!canonical) return false;
  EnsureKey(*canonical);
  return true;
}

bool RegistryHive::SetString(std::string_view key, std::string_view valueName,
                             std::string_view value) {
  auto canonical = CanonicalKey(key);
  if (!canonical || valueName.find('\0') != std::string_view::npos ||
      value.find('\0') != std::string_view::npos)
    return false;
  EnsureKey(*canonical).Set(valueName, value);
  return true;
}

std::optional<std::string> RegistryHive::GetString(std::string_view key,
                                                   std::string_view valueName) const {
  auto canonical = CanonicalKey(key);
  if (!canonical) return std::nullopt;
  auto found = keys_.find(LowerCase(*canonical));
  if (found == keys_.end()) return std::nullopt;
  const Value* value = found->second.Find(valueName);
  if (value == nullptr) return std::nullopt;
  return value->data;
}

bool RegistryHive::HasKey(std::string_view key) const {
  auto canonical = CanonicalKey(key);
  return canonical && keys_.count(LowerCase(*canonical)) != 0;
}

bool RegistryHive::DeleteKey(std::string_view key) {
  auto canonical = CanonicalKey(key);
  if (!canonical || canonical->empty()) return false;
  std::string lower = LowerCase(*canonical);
  auto first = keys_.find(lower);
  if (first == keys_.end()) return false;
  keys_.erase(first);
  // Subkeys sort together after "key\", though not always right after the key itself.
  std::string childPrefix = lower + "\\";
  auto child = keys_.lower_bound(childPrefix);
  while (child != keys_.end() && child->first.compare(0, childPrefix.size(), childPrefix) == 0)
    child = keys_.erase(child);
  return true;
}

std::string RegistryHive::Serialise(std::string_view rootName) const {
  // Tree order: component by component, compared in upper case as the registry sorts.
  std::vector<std::pair<std::vector<std::string>, const Key*>> ordered;
  for (const auto& [lower, key] : keys_) {
    std::vector<std::string> components;
    std::size_t start = 0;
    while (!key.name.empty() && start <= key.name.size()) {
      std::size_t cut = key.name.find('\\', start);
      if (cut == std::string::npos) cut = key.name.size();
      components.push_back(UpperCase(std::string_view(key.name).substr(start, cut - start)));
      start = cut + 1;
    }
    ordered.emplace_back(std::move(components), &key);
  }
  std::sort(ordered.begin(), ordered.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });

  std::string out = "REGEDIT4\r\n\r\n";
  for (const auto& [components, key] : ordered) {
    out += "[";
    out += rootName;
    if (!key->name.empty()) out += "\\" + key->name;
    out += "]\r\n";
    for (const Value& value : key->values) {
      if (value.name.empty())
        out += '@';
      else
        AppendQuoted(out, value.name);
      out += '=';
      AppendQuoted(out, value.data);
      out += "\r\n";
    }
    out += "\r\n";
  }
  return out;
}

RegistryParseResult RegistryHive::Parse(std::string_view text, std::string_view rootName) {
  RegistryParseResult result;
  auto fail = [&](std::size_t line, std::string message) {
    result.ok = false;
    result.errorLine = line;
    result.error = std::move(message);
    result.hive = RegistryHive{};
    return result;
  };
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  bool sawSignature = false;
  Key* currentKey = nullptr;
  std::size_t lineNumber = 0;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = TrimRight(text.substr(start, end - start));
    start = end + 1;
    ++lineNumber;
    if (line.empty() || line.front() == ';') continue;
    if (!sawSignature) {
      if (line != "REGEDIT4") return fail(lineNumber, "the first line must be REGEDIT4");
      sawSignature = true;
      continue;
    }
    if (line.front() == '[') {
      if (line.back() != ']') return fail(lineNumber, "a key line must end with ]");
      std::string_view path = line.substr(1, line.size() - 2);
      std::string_view root = path.substr(0, rootName.size());
      if (LowerCase(root) != LowerCase(rootName) ||
          (path.size() > rootName.size() && path[rootName.size()] != '\\'))
        return fail(lineNumber, "the key is not below " + std::string(rootName));
      path.remove_prefix(rootName.size());
      auto canonical = CanonicalKey(path);
      if (!canonical || (canonical->empty() && !path.empty()))
        return fail(lineNumber, "invalid key name");
      currentKey = &result.hive.EnsureKey(*canonical);
      continue;
    }
    if (currentKey == nullptr) return fail(lineNumber, "a value comes before any key");
    std::size_t pos = 0;
    std::string name;
    std::string error;
    if (line.front() == '@') {
      pos = 1;
    } else if (!ReadQuoted(line, pos, name, error)) {
      return fail(lineNumber, error);
    }
    if (pos >= line.size() || line[pos] != '=')
      return fail(lineNumber, "= expected after the value name");
    ++pos;
    std::string data;
    if (!ReadQuoted(line, pos, data, error))
      return fail(lineNumber, "only string values are kept: " + error);
    if (pos != line.size()) return fail(lineNumber, "unexpected text after the value");
    currentKey->Set(name, data);
  }
  if (!sawSignature) return fail(lineNumber, "the file is empty, REGEDIT4 expected");
  result.ok = true;
  return result;
}
