#pragma once
// The setup script's raw form: a "CRV" signature, then bracketed entries.
// Uninstall logs use the same form.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace SetupScript {

constexpr std::size_t MaxScriptBytes = 200000;
constexpr std::size_t EntrySlots = 2500;
using EntryTable = std::array<std::string, EntrySlots>;

// Bytes 0-2 are "CRV".
bool HasSignature(std::string_view bytes);

// Empties every slot, then stores the text between each '<' and the next '>'
// (or the end of the text) in the next slot, verbatim. Returns false when the
// text holds more entries than there are slots; the table then holds the first
// EntrySlots entries.
bool CutEntries(std::string_view text, EntryTable& table);

}  // namespace SetupScript
