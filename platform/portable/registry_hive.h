#pragma once
// One registry root held in memory, and its REGEDIT4 text form. Key and value
// names compare without regard to case and keep the spelling they were created
// with; string values keep their text exactly.
#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct RegistryParseResult;

class RegistryHive {
 public:
  // Creates the key and its parents. Fails (changing nothing) for names the text
  // form cannot hold: an empty key component, or a line break or NUL in a name,
  // or a NUL in the value.
  bool SetString(std::string_view key, std::string_view valueName, std::string_view value);
  std::optional<std::string> GetString(std::string_view key, std::string_view valueName) const;
  bool HasKey(std::string_view key) const;
  // Removes the key with its subkeys; false when it does not exist.
  bool DeleteKey(std::string_view key);
  bool CreateKey(std::string_view key);
  // Whether a key of this name can be created and kept in the text form.
  static bool CanHoldKey(std::string_view key);

  // `rootName` is "HKEY_LOCAL_MACHINE" or "HKEY_CURRENT_USER". The text is laid out
  // as the registry editor exports it: CR LF line ends, each key followed by its
  // values and a blank line, keys in tree order (subkeys sorted without regard to
  // case, right after their parent), values in the order they were first set.
  std::string Serialise(std::string_view rootName) const;
  static RegistryParseResult Parse(std::string_view text, std::string_view rootName);

 private:
  struct Value {
    std::string name;
    std::string data;
  };
  struct Key {
    std::string name;
    std::vector<Value> values;  // in the order they were first set, as the registry keeps them
    std::map<std::string, std::size_t> byLowerName;  // index into values
    Value* Find(std::string_view valueName);
    const Value* Find(std::string_view valueName) const;
    void Set(std::string_view valueName, std::string_view data);
  };
  static std::optional<std::string> CanonicalKey(std::string_view key);
  Key& EnsureKey(const std::string& canonical);
  std::map<std::string, Key> keys_;  // by lower-case path
};

struct RegistryParseResult {
  bool ok = false;
  std::size_t errorLine = 0;  // 1-based, when !ok
  std::string error;
  RegistryHive hive;
};
