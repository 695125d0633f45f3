#pragma once
// A whole analyser view on the test doubles: a document, virtual timers, recorded
// invalidations and messages, a scripted sound input and a profile in memory.
#include "analyser/document/sylvarine_doc.h"
#include "analyser/view/sylvarine_view.h"
#include "tests/support/view_doubles.h"

struct ViewOnDoubles {
  CSylvarineDoc document;
  FakeTimers timers;
  RecordingInvalidation invalidation;
  ScriptedMessages messages;
  FakeSoundInput sound;
  MemoryProfile profile;
  CSylvarineView view{document, ViewServices{timers, invalidation, messages, sound, profile}};
};
