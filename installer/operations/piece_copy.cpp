#include "installer/operations/piece_copy.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "installer/operations/runtime_patch.h"

std::span<uint8_t> InstallerFileBuffer() {
  static std::vector<uint8_t> buffer(InstallerFileBufferBytes);
  return buffer;
}

CPieceCopy::CPieceCopy(IMachine& machine, std::span<uint8_t> buffer)
    : machine_(machine), buffer_(buffer) {}

CPieceCopy::~CPieceCopy() { CloseSource(); }

void CPieceCopy::CloseSource() {
  if (source_ < 0) return;
  machine_.CloseFile(source_);
  source_ = -1;
}

int64_t CPieceCopy::Fill(std::size_t offset) {
  std::size_t total = 0;
  while (offset + total < buffer_.size()) {
    const int64_t got = machine_.ReadFile(source_, buffer_.data() + offset + total,
                                          buffer_.size() - offset - total);
    if (got < 0) return -1;
    if (got == 0) {
      sourceEnded_ = true;
      break;
    }
    total += static_cast<std::size_t>(got);
  }
  return static_cast<int64_t>(total);
}

bool CPieceCopy::OpenSource(std::string_view path) {
  CloseSource();
  filled_ = 0;
  sourceEnded_ = false;
  source_ = machine_.OpenForReading(path);
  if (source_ < 0) return false;
  const int64_t got = Fill(0);
  if (got < 0) {
    CloseSource();
    return false;
  }
  filled_ = static_cast<std::size_t>(got);
  // A file that fits is closed before its target is made, as a whole-file copy does.
  if (sourceEnded_) CloseSource();
  return true;
}

CPieceCopy::Result CPieceCopy::WriteTo(std::string_view targetPath, bool patchRuntime) {
  const IMachine::FileHandle target = machine_.CreateForWriting(targetPath);
  if (target < 0) return Result::TargetUncreatable;
  std::size_t length = filled_;
  while (true) {
    if (patchRuntime) RuntimePatch::Apply(buffer_.data(), length);
    // Keep back the tail while more follows: a reference may continue in the next piece.
    const std::size_t kept = sourceEnded_ ? 0 : std::min(length, RuntimePatch::CarryBytes);
    // On failure the target is left uncommitted, so no partial file replaces it.
    if (!machine_.WriteFile(target, buffer_.data(), length - kept)) return Result::TargetUnwritable;
    if (sourceEnded_) break;
    std::memmove(buffer_.data(), buffer_.data() + (length - kept), kept);
    const int64_t got = Fill(kept);
    if (got < 0) return Result::SourceUnreadable;
    length = kept + static_cast<std::size_t>(got);
  }
  CloseSource();
  return machine_.CloseFile(target) ? Result::Written : Result::TargetUnwritable;
}
