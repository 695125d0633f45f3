#pragma once
// The recent-file list of the "&Fichier" menu: four entries, kept in the profile, the
// latest first.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "analyser/state/command_ids.h"

constexpr int kRecentFileCount = 4;

// The entries' commands are FileMru1 and the three that follow it.
constexpr bool IsRecentFileCommand(uint32_t commandId) {
  return commandId >= CommandId::FileMru1 && commandId < CommandId::FileMru1 + kRecentFileCount;
}
constexpr int RecentFileIndexOf(uint32_t commandId) {
  return static_cast<int>(commandId - CommandId::FileMru1);
}
constexpr uint32_t RecentFileCommandOf(int index) {
  return CommandId::FileMru1 + static_cast<uint32_t>(index);
}

// The prompt of every entry.
constexpr char kRecentFilePrompt[] = "Ouvre ce document";
// The one greyed item the menu shows while the list is empty.
constexpr char kNoRecentFileText[] = "Fichier récent";

// Where the profile keeps the list: this section, entries "File1" to "File4".
constexpr char kRecentFileSection[] = "Recent File List";
std::string RecentFileEntryName(int index);

// "&1 name": the entry's number is its mnemonic; an "&" of the name is doubled so that
// the menu shows it.
std::string RecentFileMenuText(int index, std::string_view fileName);

// The list after `path` was opened or saved: `path` first and once, at most four entries.
std::vector<std::string> WithRecentFile(std::span<const std::string> files, std::string_view path);
// The list without `path`: an entry that no longer opens leaves it.
std::vector<std::string> WithoutRecentFile(std::span<const std::string> files,
                                           std::string_view path);
