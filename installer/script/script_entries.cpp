#include "installer/script/script_entries.h"

namespace SetupScript {

bool HasSignature(std::string_view bytes) { return bytes.substr(0, 3) == "CRV"; }

bool CutEntries(std::string_view text, EntryTable& table) {
  for (auto& slot : table) slot.clear();
  std::size_t position = 0;
  std::size_t count = 0;
  while (true) {
    const std::size_t open = text.find('<', position);
    if (open == std::string_view::npos) return true;
    if (count == EntrySlots) return false;
    const std::size_t close = text.find('>', open + 1);
    const std::size_t end = close == std::string_view::npos ? text.size() : close;
    table[count++].assign(text.substr(open + 1, end - open - 1));
    if (close == std::string_view::npos) return true;
    position = close + 1;
  }
}

}  // namespace SetupScript
