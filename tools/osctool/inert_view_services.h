#pragma once
// Services for a view that never gets a window: nothing is timed, drawn or recorded,
// the profile holds only defaults, and any message box goes to stderr.
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "analyser/view/sylvarine_view.h"

class InertTimers : public ITimerService {
 public:
  void SetTimer(uint32_t, uint32_t) override {}
  void KillTimer(uint32_t) override {}
};

class InertInvalidation : public IInvalidation {
 public:
  void Invalidate(const Rect*, bool) override {}
};

class StderrMessages : public IMessageBox {
 public:
  MessageAnswer ShowMessage(std::string_view text, std::string_view, MessageIcon,
                            MessageButtons buttons, bool) override {
    std::fprintf(stderr, "message: %s\n", std::string(text).c_str());
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
  }
};

// Every call succeeds and the buffer is left as it is.
class SilentSoundInput : public ISoundInput {
 public:
  int32_t Open(const WaveFormat&) override { return 0; }
  int32_t PrepareHeader(CaptureHeader&, uint32_t) override { return 0; }
  int32_t AddBuffer(CaptureHeader&, uint32_t) override { return 0; }
  int32_t Start() override { return 0; }
  int32_t Close() override { return 0; }
};

class DefaultsProfile : public IProfile {
 public:
  int32_t ReadProfileInt(std::string_view, std::string_view, int32_t defaultValue) override {
    return defaultValue;
  }
  bool WriteProfileInt(std::string_view, std::string_view, int32_t) override { return true; }
};

// A document and a view set up as at start-up, without a window.
struct InertAnalyser {
  InertTimers timers;
  InertInvalidation invalidation;
  StderrMessages messages;
  SilentSoundInput sound;
  DefaultsProfile profile;
  CSylvarineDoc document;
  CSylvarineView view{document, ViewServices{timers, invalidation, messages, sound, profile}};

  InertAnalyser() {
    document.OnNewDocument();
    view.PreCreateWindow();
  }
  InertAnalyser(const InertAnalyser&) = delete;
  InertAnalyser& operator=(const InertAnalyser&) = delete;
};
