// The hive text parser on arbitrary bytes: it must never misbehave, and whatever
// it accepts must come back unchanged through its own text form.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/portable/registry_hive.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  RegistryParseResult parsed = RegistryHive::Parse(text, "HKEY_LOCAL_MACHINE");
  if (!parsed.ok) {
    if (parsed.errorLine == 0 || parsed.error.empty()) std::abort();
    return 0;
  }
  std::string once = parsed.hive.Serialise("HKEY_LOCAL_MACHINE");
  RegistryParseResult again = RegistryHive::Parse(once, "HKEY_LOCAL_MACHINE");
  if (!again.ok || again.hive.Serialise("HKEY_LOCAL_MACHINE") != once) std::abort();
  return 0;
}
