// Captures from a private PulseAudio server that plays a 1 kHz sine into a null sink whose
// monitor is the default source, on each path: the server's own client and ALSA's "default".
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "analyser/state/command_ids.h"
#include "analyser/view/sylvarine_view.h"
#include "platform/linux/host_sound_input.h"
#include "tests/support/view_doubles.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

bool OnPath(const std::string& program) {
  const char* path = std::getenv("PATH");
  std::string dirs = path ? path : "/usr/bin:/bin";
  size_t start = 0;
  while (start <= dirs.size()) {
    const size_t end = dirs.find(':', start);
    const std::string dir = dirs.substr(start, end == std::string::npos ? end : end - start);
    if (!dir.empty() && access((dir + "/" + program).c_str(), X_OK) == 0) return true;
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return false;
}

// Starts a program from an argument list (no shell), its output sent to `logPath`.
pid_t Spawn(const std::vector<std::string>& args, const std::string& logPath) {
  std::vector<char*> argv;
  for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, logPath.c_str(), O_WRONLY | O_CREAT | O_APPEND,
                                   0600);
  posix_spawn_file_actions_adddup2(&actions, 1, 2);
  pid_t pid = -1;
  const int rc = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  return rc == 0 ? pid : -1;
}

// Waits at most `limit` for `pid` to end; its exit status, or nullopt if it still runs.
std::optional<int> WaitFor(pid_t pid, std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  for (;;) {
    int status = 0;
    const pid_t r = waitpid(pid, &status, WNOHANG);
    if (r == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
    if (r < 0) return 127;
    if (std::chrono::steady_clock::now() >= end) return std::nullopt;
    std::this_thread::sleep_for(20ms);
  }
}

int Run(const std::vector<std::string>& args, const std::string& logPath,
        std::chrono::milliseconds limit = 30s) {
  const pid_t pid = Spawn(args, logPath);
  if (pid < 0) return 127;
  if (auto status = WaitFor(pid, limit)) return *status;
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
  return 124;
}

void Stop(pid_t pid, bool ourChild) {
  if (pid <= 0) return;
  kill(pid, SIGTERM);
  const auto end = std::chrono::steady_clock::now() + 5s;
  while (std::chrono::steady_clock::now() < end) {
    if (ourChild ? waitpid(pid, nullptr, WNOHANG) == pid : kill(pid, 0) != 0) return;
    std::this_thread::sleep_for(20ms);
  }
  kill(pid, SIGKILL);
  if (ourChild) waitpid(pid, nullptr, 0);
}

// A private, empty runtime folder and the environment that points the sound
// client at it; everything is put back and removed at the end, also on failure.
class PrivateSoundEnvironment {
 public:
  PrivateSoundEnvironment() {
    char pattern[] = "/tmp/sylvarine-alsa.XXXXXX";
    if (mkdtemp(pattern) == nullptr) return;
    root_ = pattern;
    runtime_ = root_ / "run";
    fs::create_directories(runtime_);
    fs::create_directories(root_ / "home");
    chmod(runtime_.c_str(), 0700);
    // Every client (pactl, paplay, ALSA's plugin) talks to our server or to none.
    std::ofstream(root_ / "client.conf")
        << "autospawn = no\ndefault-server = unix:" << (runtime_ / "pulse" / "native").string()
        << "\n";
    Set("XDG_RUNTIME_DIR", runtime_.string());
    Set("HOME", (root_ / "home").string());
    Set("PULSE_CLIENTCONFIG", (root_ / "client.conf").string());
    Unset("PULSE_SERVER");
    Unset("DISPLAY");  // a server published on an X display would take precedence
  }
  ~PrivateSoundEnvironment() {
    Stop(player_, true);
    StopServer();
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
      if (it->second) setenv(it->first.c_str(), it->second->c_str(), 1);
      else unsetenv(it->first.c_str());
    }
    std::error_code ignored;
    if (!root_.empty()) fs::remove_all(root_, ignored);
  }
  bool Ready() const { return !root_.empty(); }
  std::string Log() const { return (root_ / "programs.log").string(); }
  fs::path Root() const { return root_; }

  // Starts the server with the test sink (and `extraModule`, if any), makes `source`
  // the default source; true once it answers.
  bool StartServer(const std::string& extraModule = "", const std::string& source = "testmic") {
    std::vector<std::string> args{"pulseaudio", "-n", "-D", "--exit-idle-time=-1",
                                  "--log-target=file:" + (root_ / "pulse.log").string(), "-L",
                                  "module-native-protocol-unix", "-L",
                                  "module-null-sink sink_name=testsink", "-L",
                                  "module-remap-source master=testsink.monitor source_name=testmic"};
    if (!extraModule.empty()) {
      args.push_back("-L");
      args.push_back(extraModule);
    }
    if (Run(args, Log()) != 0) return false;
    const auto end = std::chrono::steady_clock::now() + 10s;
    while (std::chrono::steady_clock::now() < end) {
      ReadServerPid();
      if (Run({"pactl", "info"}, Log()) == 0) {
        ReadServerPid();
        return Run({"pactl", "set-default-source", source}, Log()) == 0;
      }
      std::this_thread::sleep_for(50ms);
    }
    return false;
  }

  void StopServerNow() { StopServer(); }
  void FreezeServer() {
    ReadServerPid();
    kill(server_, SIGSTOP);
  }

  bool PlaySine(int hz) {
    const std::string wav = (root_ / "sine.wav").string();
    if (Run({"sox", "-n", "-r", "44100", "-c", "2", "-b", "16", wav, "synth", "60", "sine",
             std::to_string(hz), "vol", "0.8"},
            Log()) != 0)
      return false;
    player_ = Spawn({"paplay", "--latency-msec=20", "-d", "testsink", wav}, Log());
    return player_ > 0;
  }
  void StopPlayer() {
    Stop(player_, true);
    player_ = -1;
  }

 private:
  void Set(const std::string& name, const std::string& value) {
    Save(name);
    setenv(name.c_str(), value.c_str(), 1);
  }
  void Unset(const std::string& name) {
    Save(name);
    unsetenv(name.c_str());
  }
  void Save(const std::string& name) {
    const char* old = std::getenv(name.c_str());
    saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
  }
  void ReadServerPid() {
    std::ifstream in(runtime_ / "pulse" / "pid");
    pid_t pid = 0;
    if (in >> pid && pid > 0) server_ = pid;
  }
  void StopServer() {
    ReadServerPid();
    if (server_ > 0) kill(server_, SIGCONT);
    Stop(server_, false);
  }

  fs::path root_;
  fs::path runtime_;
  pid_t player_ = -1;
  pid_t server_ = -1;
  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

bool ToolsInstalled() {
  for (const char* tool : {"pulseaudio", "pactl", "sox", "paplay"})
    if (!OnPath(tool)) return false;
  return true;
}

struct ViewOnAlsa {
  explicit ViewOnAlsa(CapturePath path) : sound(path) {}
  HostSoundInput sound;
  std::unique_ptr<CSylvarineDoc> document = std::make_unique<CSylvarineDoc>();
  FakeTimers timers;
  RecordingInvalidation invalidation;
  ScriptedMessages messages;
  MemoryProfile profile;
  CSylvarineView view{*document, ViewServices{timers, invalidation, messages, sound, profile}};
};

int UpwardCrossings(const int32_t* samples, int count) {
  int crossings = 0;
  for (int k = 1; k < count; ++k)
    if (samples[k - 1] < 1 && samples[k] >= 1) ++crossings;
  return crossings;
}

int Swing(const int32_t* samples, int count) {
  int32_t low = samples[0], high = samples[0];
  for (int k = 1; k < count; ++k) {
    low = std::min(low, samples[k]);
    high = std::max(high, samples[k]);
  }
  return high - low;
}

// The sound server may start delivering, or the player playing, in the middle of a block.
bool SignalThroughout(const int32_t* samples) {
  constexpr int kChunk = 250;  // about 5.7 periods of 1 kHz
  for (int k = 0; k < kCapturedFrames; k += kChunk)
    if (Swing(samples + k, kChunk) <= 40) return false;
  return true;
}

int LargestBin(const int32_t* bins) {
  int best = 0;
  for (int b = 1; b < kSpectrumBins; ++b)
    if (bins[b] > bins[best]) best = b;
  return best;
}

// Starts the private server playing a 1 kHz sine and opens a view on its default source.
::testing::AssertionResult StartSineAndOpen(PrivateSoundEnvironment& env,
                                            std::unique_ptr<ViewOnAlsa>& rig, CapturePath path) {
  if (!env.Ready()) return ::testing::AssertionFailure() << "no private sound environment";
  if (!env.StartServer()) return ::testing::AssertionFailure() << "the sound server did not start";
  if (!env.PlaySine(1000)) return ::testing::AssertionFailure() << "the sine did not play";
  rig = std::make_unique<ViewOnAlsa>(path);
  rig->view.PreCreateWindow();
  if (rig->view.State().deviceOpen != 1)
    return ::testing::AssertionFailure() << "not open: " << rig->view.State().lastDeviceResult;
  return ::testing::AssertionSuccess();
}

// One real cycle: start, arm, the device records for the view's wait, collect; the timer
// ticks are fired by hand after real waits. A loaded machine may deliver the block later
// than the view's wait: the collect then waits (a second at most) for the device to hold it
// all, or to fail, so that a check never reads the unfilled rest of a buffer.
void ArmAndCollect(CSylvarineView& view, ISoundInput& sound) {
  view.StartAcquisition();
  view.OnTimer(TimerId::Acquisition);  // arm
  std::this_thread::sleep_for(std::chrono::milliseconds(view.State().captureWait));
  CaptureHeader& header = view.State().captureHeader;
  const auto end = std::chrono::steady_clock::now() + 1s;
  while (sound.Collect(header, kCaptureHeaderSize) == 0 && header.bytesRecorded < 8000 &&
         std::chrono::steady_clock::now() < end)
    std::this_thread::sleep_for(20ms);
  view.OnTimer(TimerId::Acquisition);  // collect
}

class LiveCapture : public ::testing::TestWithParam<CapturePath> {};

TEST_P(LiveCapture, FindsTheOneKilohertzSignalOfASoundServer) {
  if (!ToolsInstalled()) GTEST_SKIP() << "pulseaudio, pulseaudio-utils and sox are needed";
  PrivateSoundEnvironment env;
  std::unique_ptr<ViewOnAlsa> rig;
  ASSERT_TRUE(StartSineAndOpen(env, rig, GetParam()));
  ASSERT_TRUE(rig->messages.shown.empty());

  const ViewState& s = rig->view.State();
  bool heard = false;
  const auto end = std::chrono::steady_clock::now() + 10s;
  while (!heard && std::chrono::steady_clock::now() < end) {
    ArmAndCollect(rig->view, rig->sound);
    ASSERT_EQ(s.audioFault, 0) << s.lastDeviceResult;
    rig->view.StopAcquisition();
    heard = s.captureHeader.bytesRecorded == 8000 && SignalThroughout(s.samples.rightSamples) &&
            SignalThroughout(s.samples.leftSamples);
  }
  ASSERT_TRUE(heard) << "only silence arrived";
  const int crossings = UpwardCrossings(s.samples.rightSamples, kCapturedFrames);
  EXPECT_GE(crossings, 86);
  EXPECT_LE(crossings, 95);
  EXPECT_NEAR(UpwardCrossings(s.samples.leftSamples, kCapturedFrames), crossings, 2);

  rig->view.AnalyseSpectrum(1);
  EXPECT_EQ(LargestBin(s.spectrum.displaySpectrum[0]), 41);

  rig->view.OnDestroy();
  EXPECT_EQ(s.deviceOpen, 0);
  EXPECT_TRUE(rig->messages.shown.empty());
}

// A long pause while stopped, longer than the server's buffers hold: the next start gets a
// fresh recording, without any fault reported.
TEST_P(LiveCapture, ALongPauseWhileStoppedIsNoFault) {
  if (!ToolsInstalled()) GTEST_SKIP() << "pulseaudio, pulseaudio-utils and sox are needed";
  PrivateSoundEnvironment env;
  std::unique_ptr<ViewOnAlsa> rig;
  ASSERT_TRUE(StartSineAndOpen(env, rig, GetParam()));
  const ViewState& s = rig->view.State();
  const auto cycle = [&rig] {
    ArmAndCollect(rig->view, rig->sound);
    rig->view.StopAcquisition();
  };
  cycle();
  ASSERT_EQ(s.audioFault, 0) << s.lastDeviceResult;
  std::this_thread::sleep_for(3000ms);  // longer than the stream's ring holds
  bool heard = false;
  for (int round = 0; round < 12 && !heard && s.audioFault == 0; ++round) {
    cycle();
    heard = s.captureHeader.bytesRecorded == 8000 && SignalThroughout(s.samples.rightSamples);
  }
  EXPECT_EQ(s.audioFault, 0) << s.lastDeviceResult;
  EXPECT_TRUE(heard);
  EXPECT_TRUE(rig->messages.shown.empty());
  rig->view.OnDestroy();
}

// What the server delivered before the first start is not part of the first recording.
TEST_P(LiveCapture, TheFirstRecordingHoldsNoSoundFromBeforeTheStart) {
  if (!ToolsInstalled()) GTEST_SKIP() << "pulseaudio, pulseaudio-utils and sox are needed";
  PrivateSoundEnvironment env;
  std::unique_ptr<ViewOnAlsa> rig;
  ASSERT_TRUE(StartSineAndOpen(env, rig, GetParam()));
  std::this_thread::sleep_for(3000ms);  // longer than the stream's ring holds
  env.StopPlayer();
  std::this_thread::sleep_for(500ms);
  const ViewState& s = rig->view.State();
  ArmAndCollect(rig->view, rig->sound);
  EXPECT_EQ(s.audioFault, 0) << s.lastDeviceResult;
  ASSERT_EQ(s.captureHeader.bytesRecorded, 8000u) << "the first recording did not arrive";
  EXPECT_LE(Swing(s.samples.rightSamples, kCapturedFrames), 2);
  EXPECT_LE(Swing(s.samples.leftSamples, kCapturedFrames), 2);
  rig->view.OnDestroy();
}

// A pipe source delivers exactly the bytes written to its FIFO, and nothing else.
TEST_P(LiveCapture, PipeSourceGivesExactBytesAndFiveSilentSecondsFail) {
  if (!ToolsInstalled()) GTEST_SKIP() << "pulseaudio and pulseaudio-utils are needed";
  PrivateSoundEnvironment env;
  ASSERT_TRUE(env.Ready());
  const std::string fifo = (env.Root() / "mic.fifo").string();
  ASSERT_TRUE(env.StartServer("module-pipe-source source_name=pipemic file=" + fifo +
                                  " format=u8 rate=44100 channels=2",
                              "pipemic"));
  // Virtual time, read by the device's own thread as well.
  auto nowNs = std::make_shared<std::atomic<int64_t>>(int64_t{100} * 1000000000);
  const auto advance = [&nowNs](std::chrono::milliseconds d) {
    *nowNs += std::chrono::nanoseconds(d).count();
  };
  HostSoundInput sound(GetParam(), [nowNs] {
    return std::chrono::steady_clock::time_point{} + std::chrono::nanoseconds(nowNs->load());
  });
  ASSERT_EQ(sound.Open(WaveFormat{1, 2, 44100, 88200, 2, 8, 0}), 0);
  std::vector<uint8_t> buffer(8000, 0x55);
  CaptureHeader header;
  header.data = buffer.data();
  header.bufferLength = 8000;
  ASSERT_EQ(sound.PrepareHeader(header, kCaptureHeaderSize), 0);
  ASSERT_EQ(sound.AddBuffer(header, kCaptureHeaderSize), 0);
  ASSERT_EQ(sound.Start(), 0);
  std::this_thread::sleep_for(300ms);
  ASSERT_EQ(sound.Collect(header, kCaptureHeaderSize), 0);  // silent, but not for long yet
  EXPECT_EQ(header.bytesRecorded, 0u);
  EXPECT_EQ(buffer[0], 0x55);

  advance(1000ms);  // the pattern is sound recorded well after the arm
  std::vector<uint8_t> pattern(8000);
  for (size_t i = 0; i < pattern.size(); ++i) pattern[i] = static_cast<uint8_t>(i * 13 + i / 256);
  const int fd = open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(write(fd, pattern.data(), pattern.size()), static_cast<ssize_t>(pattern.size()));
  const auto end = std::chrono::steady_clock::now() + 5s;
  while (header.bytesRecorded < 8000 && std::chrono::steady_clock::now() < end) {
    std::this_thread::sleep_for(50ms);
    ASSERT_EQ(sound.Collect(header, kCaptureHeaderSize), 0);
  }
  ASSERT_EQ(header.bytesRecorded, 8000u);
  EXPECT_EQ(buffer, pattern);

  // Nothing more is written: five seconds after the last delivery the device has failed,
  // across the cycles of a running measurement.
  advance(2000ms);
  ASSERT_EQ(sound.PrepareHeader(header, kCaptureHeaderSize), 0);
  ASSERT_EQ(sound.AddBuffer(header, kCaptureHeaderSize), 0);
  ASSERT_EQ(sound.Start(), 0);
  advance(2000ms);
  EXPECT_EQ(sound.Collect(header, kCaptureHeaderSize), 0);
  advance(1100ms);
  EXPECT_EQ(sound.Collect(header, kCaptureHeaderSize), -ETIME);
  close(fd);
  EXPECT_EQ(sound.Close(), 0);
}

TEST_P(LiveCapture, AVanishedServerIsAFailedDeviceNotACrash) {
  if (!ToolsInstalled()) GTEST_SKIP() << "pulseaudio and pulseaudio-utils are needed";
  PrivateSoundEnvironment env;
  ASSERT_TRUE(env.Ready());
  ASSERT_TRUE(env.StartServer());
  auto rig = std::make_unique<ViewOnAlsa>(GetParam());
  rig->view.PreCreateWindow();
  ASSERT_EQ(rig->view.State().deviceOpen, 1);
  env.StopServerNow();
  // Within two cycles the device reports the loss; the silence rule is not needed.
  for (int cycle = 0; cycle < 2 && rig->view.State().audioFault == 0; ++cycle) {
    ArmAndCollect(rig->view, rig->sound);
    rig->view.StopAcquisition();
  }
  EXPECT_EQ(rig->view.State().audioFault, 1);
  ASSERT_FALSE(rig->messages.shown.empty());
  EXPECT_EQ(rig->messages.shown[0].caption, "Sylvarine");
  rig->view.OnDestroy();
  EXPECT_EQ(rig->view.State().deviceOpen, 0);
}

// Frozen in the middle of a measurement, the server delivers nothing: five silent seconds
// later the device has failed, and closing it does not wait for the server.
TEST_P(LiveCapture, AFrozenServerFailsTheDeviceAndClosingDoesNotWait) {
  if (!ToolsInstalled()) GTEST_SKIP() << "pulseaudio, pulseaudio-utils and sox are needed";
  PrivateSoundEnvironment env;
  std::unique_ptr<ViewOnAlsa> rig;
  ASSERT_TRUE(StartSineAndOpen(env, rig, GetParam()));
  const ViewState& s = rig->view.State();
  ArmAndCollect(rig->view, rig->sound);
  ASSERT_EQ(s.audioFault, 0) << s.lastDeviceResult;
  env.FreezeServer();
  const auto frozen = std::chrono::steady_clock::now();
  while (s.audioFault == 0 && std::chrono::steady_clock::now() - frozen < 10s) {
    rig->view.StopAcquisition();
    ArmAndCollect(rig->view, rig->sound);
  }
  EXPECT_EQ(s.audioFault, 1);
  const auto closing = std::chrono::steady_clock::now();
  rig->view.OnDestroy();
  EXPECT_LT(std::chrono::steady_clock::now() - closing, 1s);
}

TEST_P(LiveCapture, OpenFailsAtOnceWithoutASoundServer) {
  PrivateSoundEnvironment env;
  ASSERT_TRUE(env.Ready());
  HostSoundInput sound(GetParam());
  WaveFormat format{1, 2, 44100, 88200, 2, 8, 0};
  const auto started = std::chrono::steady_clock::now();
  EXPECT_NE(sound.Open(format), 0);
  EXPECT_LT(std::chrono::steady_clock::now() - started, 5s);
  CaptureHeader header;
  EXPECT_NE(sound.PrepareHeader(header, kCaptureHeaderSize), 0);
  EXPECT_NE(sound.Close(), 0);
}

INSTANTIATE_TEST_SUITE_P(Paths, LiveCapture,
                         ::testing::Values(CapturePath::Pulse, CapturePath::Alsa),
                         [](const auto& test) {
                           return test.param == CapturePath::Pulse ? "pulse" : "alsa";
                         });

}  // namespace
