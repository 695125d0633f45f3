#pragma once
// Test doubles for what a window offers the core: virtual time, recorded
// invalidations and messages, a scripted sound device and an in-memory profile.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/invalidation.h"
#include "platform/message_box.h"
#include "platform/profile.h"
#include "platform/sound_input.h"
#include "platform/timer_service.h"

// Timers in virtual time: a test advances the clock and the due timer fires.
class FakeTimers : public ITimerService {
 public:
  struct Armed {
    uint32_t periodMs;
    int64_t dueAtMs;
  };
  void SetTimer(uint32_t id, uint32_t periodMs) override {
    armed[id] = Armed{periodMs, nowMs + periodMs};
    ++setCount;
  }
  void KillTimer(uint32_t id) override { armed.erase(id); }
  bool IsArmed(uint32_t id) const { return armed.count(id) != 0; }
  std::optional<uint32_t> PeriodOf(uint32_t id) const {
    auto it = armed.find(id);
    if (it == armed.end()) return std::nullopt;
    return it->second.periodMs;
  }
  std::map<uint32_t, Armed> armed;
  int64_t nowMs = 0;
  int setCount = 0;
};

class RecordingInvalidation : public IInvalidation {
 public:
  struct Entry {
    bool wholeView;
    Rect area;
    bool erase;
  };
  void Invalidate(const Rect* area, bool eraseBackground) override {
    entries.push_back(Entry{area == nullptr, area ? *area : Rect{}, eraseBackground});
  }
  std::vector<Entry> entries;
};

class ScriptedMessages : public IMessageBox {
 public:
  struct Shown {
    std::string text;
    std::string caption;
    MessageIcon icon;
    MessageButtons buttons;
    bool ownedByWindow;
  };
  MessageAnswer ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon,
                            MessageButtons buttons, bool ownedByWindow) override {
    shown.push_back(Shown{std::string(text), std::string(caption), icon, buttons, ownedByWindow});
    if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    return nextAnswer;
  }
  std::vector<Shown> shown;
  MessageAnswer nextAnswer = MessageAnswer::Yes;
};

// A sound device whose result codes and delivered bytes a test chooses.
class FakeSoundInput : public ISoundInput {
 public:
  int32_t Open(const WaveFormat& format) override {
    calls.push_back("open");
    openedFormat = format;
    return openResult;
  }
  int32_t PrepareHeader(CaptureHeader& header, uint32_t size) override {
    calls.push_back("prepare");
    lastHeader = &header;
    lastHeaderSize = size;
    return prepareResult;
  }
  int32_t AddBuffer(CaptureHeader& header, uint32_t size) override {
    calls.push_back("add");
    lastHeader = &header;
    lastHeaderSize = size;
    return addResult;
  }
  int32_t Start() override {
    calls.push_back("start");
    if (startResult == 0 && lastHeader && lastHeader->data && !recording.empty()) {
      for (uint32_t i = 0; i < lastHeader->bufferLength && i < recording.size(); ++i)
        lastHeader->data[i] = recording[i];
    }
    return startResult;
  }
  int32_t Close() override {
    calls.push_back("close");
    return closeResult;
  }
  int32_t Collect(CaptureHeader& header, uint32_t size) override {
    calls.push_back("collect");
    lastHeader = &header;
    lastHeaderSize = size;
    return collectResult;
  }

  int32_t openResult = 0, prepareResult = 0, addResult = 0, startResult = 0, closeResult = 0;
  int32_t collectResult = 0;
  std::vector<uint8_t> recording;  // copied into the buffer when a recording starts
  std::vector<std::string> calls;
  WaveFormat openedFormat;
  CaptureHeader* lastHeader = nullptr;
  uint32_t lastHeaderSize = 0;
};

class MemoryProfile : public IProfile {
 public:
  int32_t ReadProfileInt(std::string_view section, std::string_view key,
                         int32_t defaultValue) override {
    auto it = values.find(Key(section, key));
    return it == values.end() ? defaultValue : it->second;
  }
  bool WriteProfileInt(std::string_view section, std::string_view key, int32_t value) override {
    values[Key(section, key)] = value;
    writes.push_back(Key(section, key));
    return true;
  }
  static std::string Key(std::string_view section, std::string_view key) {
    return std::string(section) + "/" + std::string(key);
  }
  std::map<std::string, int32_t> values;
  std::vector<std::string> writes;
};
