#pragma once
// Moves one file through the installer's fixed buffer. A file that fits is
// read whole, then written whole; a larger one goes through the same buffer
// in pieces, so nothing is ever truncated.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "platform/machine.h"

// The one copy buffer of the process, allocated at its first use.
std::span<uint8_t> InstallerFileBuffer();
constexpr std::size_t InstallerFileBufferBytes = 10000000;

class CPieceCopy {
 public:
  enum class Result { Written, SourceUnreadable, TargetUncreatable, TargetUnwritable };

  CPieceCopy(IMachine& machine, std::span<uint8_t> buffer);
  ~CPieceCopy();
  CPieceCopy(const CPieceCopy&) = delete;
  CPieceCopy& operator=(const CPieceCopy&) = delete;

  // Opens the source and reads its first piece (the whole file when it fits).
  bool OpenSource(std::string_view path);
  // The piece read so far: a check of the first bytes looks here.
  std::span<const uint8_t> FirstPiece() const { return buffer_.first(filled_); }
  // Creates the target (replacing it when committed) and writes the whole source,
  // optionally rewriting runtime references on the way.
  Result WriteTo(std::string_view targetPath, bool patchRuntime);

 private:
  // Reads until `buffer_` is full from `offset` or the source ends; -1 on error.
  int64_t Fill(std::size_t offset);
  void CloseSource();

  IMachine& machine_;
  std::span<uint8_t> buffer_;
  IMachine::FileHandle source_ = -1;
  std::size_t filled_ = 0;
  bool sourceEnded_ = false;
};
