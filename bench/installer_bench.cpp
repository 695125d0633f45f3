// Installing 1000 small files and one 50 MB file on the host machine, beside
// `cp -r` of the same medium. The two 2-second pauses are left out: the timer
// ticks are fired directly.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>
#include <string>

#include "installer/modes/corvane_view.h"
#include "platform/linux/host_machine.h"
#include "platform/portable/windows_path.h"
#include "tests/installer_doubles/installer_run.h"

namespace {

constexpr int SmallFiles = 1000;
constexpr int SmallFileBytes = 4096;
constexpr qint64 LargeFileBytes = 50LL * 1024 * 1024;

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) std::abort();
}

// In 1 MB pieces, so that making the medium does not raise the peak memory measured.
void WriteLargeFile(const QString& path) {
  QFile file(path);
  const QByteArray piece(1024 * 1024, 'L');
  if (!file.open(QIODevice::WriteOnly)) std::abort();
  for (qint64 written = 0; written < LargeFileBytes; written += piece.size())
    if (file.write(piece) != piece.size()) std::abort();
}

// A medium with the files and "setup". A script holds at most 2500 entries, so
// the 1000 copies take two scripts: an autoinstal with the first half and the
// large file, then an update over the same destination with the second half.
struct Medium {
  QTemporaryDir root;
  QString medium = root.path() + "/medium";
  QString destination = root.path() + "/dest";
  QByteArray installScript;
  QByteArray updateScript;

  Medium() {
    QDir().mkpath(medium);
    std::string install = "CRV<Bench><EN><autoinstal><Software\\Bench><" +
                          TypedPathToWindows(destination.toStdString()) +
                          "><nosystem><nodepend><SCRIPT>\r\n";
    std::string update = "CRV<Bench><EN><update><Software\\Bench><..><x><x><SCRIPT>\r\n";
    const QByteArray small(SmallFileBytes, 's');
    for (int i = 0; i < SmallFiles; ++i) {
      const std::string name = "file" + std::to_string(i) + ".dat";
      WriteFile(medium + "/" + QString::fromStdString(name), small);
      (i < SmallFiles / 2 ? install : update) +=
          "<COPYREP><" + name + "><" + name + "><DEL>\r\n";
    }
    WriteLargeFile(medium + "/large.dat");
    install += "<COPYREP><large.dat><large.dat><DEL>\r\n<ENDSCRIPT>\r\n";
    update += "<ENDSCRIPT>\r\n";
    installScript = QByteArray::fromStdString(install);
    updateScript = QByteArray::fromStdString(update);
    WriteFile(medium + "/setup", QByteArray("installer"));
  }
};

// One run of `setup` on the script, without the pauses; its exit status.
int RunSetup(IMachine& machine, std::string& lastMessage) {
  RecordingInstallerUi ui;
  ui.destinationAnswer = DestinationAnswer::Other;
  InstallerTimers timers;
  auto view = std::make_unique<CCorvaneView>(machine, ui, timers, "");
  ui.view = view.get();
  const int status = RunInstaller(*view, ui, timers);
  lastMessage = ui.messages.empty() ? std::string() : ui.messages.back();
  return status;
}

long PeakKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

void BM_InstallThousandSmallAndOneLargeFile(benchmark::State& bench) {
  Medium medium;
  const QString previous = QDir::currentPath();
  QDir::setCurrent(medium.medium);
  HostMachine machine((medium.root.path() + "/machine").toStdString());
  if (!machine.Prepare()) std::abort();
  std::string message;
  for (auto _ : bench) {
    bench.PauseTiming();
    QDir(medium.destination).removeRecursively();
    WriteFile(medium.medium + "/setup.inf", medium.installScript);
    bench.ResumeTiming();
    const int installed = RunSetup(machine, message);
    bench.PauseTiming();
    WriteFile(medium.medium + "/setup.inf", medium.updateScript);
    bench.ResumeTiming();
    if (installed != 0 || RunSetup(machine, message) != 0) {
      bench.SkipWithError(("installation failed: " + message).c_str());
      break;
    }
  }
  bench.counters["peak_rss_kB"] = static_cast<double>(PeakKilobytes());
  QDir::setCurrent(previous);
}
BENCHMARK(BM_InstallThousandSmallAndOneLargeFile)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_CopyRecursivelyWithCp(benchmark::State& bench) {
  Medium medium;
  for (auto _ : bench) {
    bench.PauseTiming();
    QDir(medium.destination).removeRecursively();
    bench.ResumeTiming();
    if (QProcess::execute("cp", {"-r", medium.medium, medium.destination}) != 0) {
      bench.SkipWithError("cp failed");
      break;
    }
  }
  // No memory counter here: a forked child's peak counts the parent's pages;
  // `/usr/bin/time -f %M cp -r` gives cp's own.
}
BENCHMARK(BM_CopyRecursivelyWithCp)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
