// Placeholder until the capture engine lands.
#include "analyser/capture/capture_engine.h"
#include "analyser/view/sylvarine_view.h"
const char kAudioOpenFailureText[] = "";
const char kAudioOpenFailureCaption[] = "";
const char kAudioUseFailureText[] = "";
void FillCaptureRecords(ViewState&) {}
void OpenCaptureDevice(ViewState&, ISoundInput&, IMessageBox&) {}
void ArmCapture(CSylvarineView&) {}
void ConvertCaptureBuffer(ViewState&) {}
void CloseCaptureDevice(CSylvarineView&) {}
