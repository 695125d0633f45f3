#pragma once
// The analyser's one view, as a core class. The Qt widget owns one and forwards
// timer ticks, clicks, commands, check queries, paints and print hooks to it.
// It ties the capture, spectrum and display functions to its state and services.
#include <cstdint>
#include <functional>
#include <memory>

#include "analyser/capture/capture_engine.h"
#include "analyser/document/sylvarine_doc.h"
#include "analyser/state/view_state.h"
#include "platform/invalidation.h"
#include "platform/message_box.h"
#include "platform/profile.h"
#include "platform/sound_input.h"
#include "platform/timer_service.h"

class DrawingSurface;

struct ViewServices {
  ITimerService& timers;
  IInvalidation& invalidation;
  IMessageBox& messages;
  ISoundInput& sound;
  IProfile& profile;
};

class CSylvarineView {
 public:
  CSylvarineView(CSylvarineDoc& document, const ViewServices& services);

  // Lifecycle (view/sylvarine_view.cpp).
  void PreCreateWindow();  // sets ViewState up, loads the profile, opens the device
  void OnDestroy();        // stops, closes the device, saves the profile

  // Acquisition (view_acquisition.cpp).
  void OnTimer(uint32_t timerId);
  bool StartAcquisition();  // false (and nothing done) when already running
  bool StopAcquisition();   // false (and nothing done) when already stopped
  void OnRButtonDown(Point client);

  // Menu commands and print hooks (view/view_commands.cpp).
  // Returns false for identifiers the view does not handle.
  bool OnCommand(uint32_t commandId);
  bool IsChecked(uint32_t commandId) const;
  // `runPrintDialog` is the framework's standard preparation; its answer is returned.
  bool OnPreparePrinting(const std::function<bool()>& runPrintDialog);
  void OnBeginPrinting();
  void OnEndPrinting();

  // Display (sylvarine_view.cpp) and left clicks (view_clicks.cpp).
  void OnDraw(DrawingSurface& surface);
  // The paint of the window itself, which is never the printer: while a print dialog is
  // open (target Printer), an uncovered part of the window is painted at the screen's scale.
  void OnDrawWindow(DrawingSurface& surface);
  void OnLButtonDown(Point client);

  // Spectrum analysis of one channel: 1 right, 2 left.
  void AnalyseSpectrum(uint8_t channel);

  ViewState& State() { return *state_; }
  const ViewState& State() const { return *state_; }
  CSylvarineDoc& Document() { return document_; }
  const ViewServices& Services() const { return services_; }

 private:
  CaptureServices Capture() const;

  CSylvarineDoc& document_;
  ViewServices services_;
  std::unique_ptr<ViewState> state_;  // large: arrays of the whole block and spectra
};
