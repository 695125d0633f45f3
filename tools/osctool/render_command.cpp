// osctool render FILE.osc --display MODE [options] --out FILE.png|FILE.pdf:
// the analyser's own paint of a snapshot, for that display state, into a picture or a page.
#include <QBuffer>
#include <QCommandLineParser>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <map>
#include <memory>
#include <string>

#include "analyser/app/support/qpainter_surface.h"
#include "analyser/capture/trigger_search.h"
#include "analyser/display/paint.h"
#include "analyser/state/application_title.h"
#include "analyser/state/command_ids.h"
#include "tools/osctool/command_line.h"
#include "tools/osctool/inert_view_services.h"
#include "tools/osctool/osctool_commands.h"
#include "tools/osctool/output_file.h"
#include "tools/osctool/snapshot_io.h"

namespace {

// The per-user profile of a first run: the defaults are written, then read back.
class FirstRunProfile : public IProfile {
 public:
  int32_t ReadProfileInt(std::string_view section, std::string_view key,
                         int32_t defaultValue) override {
    const auto found = values_.find(std::string(section) + "/" + std::string(key));
    return found == values_.end() ? defaultValue : found->second;
  }
  bool WriteProfileInt(std::string_view section, std::string_view key, int32_t value) override {
    values_[std::string(section) + "/" + std::string(key)] = value;
    return true;
  }

 private:
  std::map<std::string, int32_t> values_;
};

struct RenderAnalyser {
  InertTimers timers;
  InertInvalidation invalidation;
  StderrMessages messages;
  SilentSoundInput sound;
  FirstRunProfile profile;
  CSylvarineDoc document;
  CSylvarineView view{document, ViewServices{timers, invalidation, messages, sound, profile}};
};

struct Choice {
  const char* name;
  uint32_t commandId;
};

constexpr Choice kDisplays[] = {
    {"offset", CommandId::StereoOffset},   {"overlay", CommandId::StereoOverlay},
    {"sum", CommandId::Sum},               {"difference", CommandId::Difference},
    {"lissajous", CommandId::Lissajous},   {"vumeters", CommandId::VuMeters},
    {"bargraphs", CommandId::Bargraphs},   {"spectrograph", CommandId::Spectrograph}};
constexpr Choice kTimeBases[] = {
    {"50", CommandId::TimeBase50ms},     {"20", CommandId::TimeBase20ms},
    {"10", CommandId::TimeBase10ms},     {"5000", CommandId::TimeBase5ms},
    {"2000", CommandId::TimeBase2ms},    {"1000", CommandId::TimeBase1ms},
    {"500", CommandId::TimeBase05ms},    {"200", CommandId::TimeBase02ms}};
constexpr Choice kGains[] = {
    {"1", CommandId::Gain1}, {"2", CommandId::Gain2}, {"5", CommandId::Gain5}};
constexpr Choice kScales[] = {{"db", CommandId::ScaleDecibel},
                              {"linear", CommandId::ScaleLinear}};
constexpr Choice kSides[] = {{"right", CommandId::ScaleRight}, {"left", CommandId::ScaleLeft}};
constexpr Choice kGrid[] = {{"on", 1}, {"off", 0}};

template <std::size_t N>
QString Names(const Choice (&choices)[N]) {
  QStringList names;
  for (const Choice& choice : choices) names << QLatin1String(choice.name);
  return names.join(QLatin1Char('|'));
}

// Finds the option's value among the choices; an absent option leaves `found` false.
template <std::size_t N>
bool Pick(const QCommandLineParser& parser, const QCommandLineOption& option,
          const Choice (&choices)[N], const Choice*& found, QString& error) {
  found = nullptr;
  if (!parser.isSet(option)) return true;
  const QString value = parser.value(option);
  for (const Choice& choice : choices)
    if (value == QLatin1String(choice.name)) {
      found = &choice;
      return true;
    }
  error = QStringLiteral("--%1 must be %2, not \"%3\"")
              .arg(option.names().first(), Names(choices), value);
  return false;
}

bool ParseSize(const QString& text, QSize& size) {
  static const QRegularExpression pattern(QStringLiteral("^([1-9][0-9]{0,4})x([1-9][0-9]{0,4})$"));
  const QRegularExpressionMatch match = pattern.match(text);
  if (!match.hasMatch()) return false;
  size = QSize(match.captured(1).toInt(), match.captured(2).toInt());
  return size.width() <= 20000 && size.height() <= 20000;
}

// Paints the view once on `device` and finishes the painter.
void PaintOn(CSylvarineView& view, QPaintDevice& device, const QRect& client) {
  QPainter painter(&device);
  {
    PainterCaches caches;
    QPainterSurface surface(painter, caches, client);
    view.OnDraw(surface);
  }
  painter.end();
}

bool WritePng(CSylvarineView& view, const QSize& pictureSize, const QRect& client,
              const QString& path, QString& error) {
  QImage image(pictureSize, QImage::Format_RGB32);
  image.fill(Qt::white);  // the erased window background
  PaintOn(view, image, client);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) {
    error = QStringLiteral("cannot make %1: the picture could not be encoded").arg(path);
    return false;
  }
  return WriteOutputFile(path, bytes, error);
}

// A PDF is whole when it starts with its header and ends with its end-of-file marker.
bool IsWholePdf(const QByteArray& bytes) {
  return bytes.startsWith("%PDF-") && bytes.trimmed().endsWith("%%EOF");
}

bool WritePdf(CSylvarineView& view, bool forPrinter, const QSize& clientSize, const QString& path,
              QString& error) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setCreator(QString::fromLatin1(kApplicationTitle));
    if (forPrinter) {
      // 300 dpi landscape A4: the printer's 2400 x 2100 device units fit inside the margins.
      writer.setResolution(300);
      writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                       QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter));
    } else {
      // One page the size of the window, one pixel a device unit.
      writer.setResolution(96);
      writer.setPageLayout(QPageLayout(
          QPageSize(QSizeF(clientSize.width() * 72.0 / 96.0, clientSize.height() * 72.0 / 96.0),
                    QPageSize::Point),
          QPageLayout::Portrait, QMarginsF()));
    }
    PaintOn(view, writer, QRect(QPoint(0, 0), clientSize));
  }
  if (!IsWholePdf(bytes)) {
    error = QStringLiteral("cannot make %1: the page could not be made whole").arg(path);
    return false;
  }
  return WriteOutputFile(path, bytes, error);
}

}  // namespace

int RunRenderCommand(const QStringList& arguments) {
  QCommandLineParser parser;
  const QCommandLineOption displayOption("display", Names(kDisplays), "mode");
  const QCommandLineOption timeBaseOption("timebase", Names(kTimeBases), "code");
  const QCommandLineOption gainOption("gain", Names(kGains), "gain");
  const QCommandLineOption scaleOption("scale", Names(kScales), "scale");
  const QCommandLineOption sideOption("side", Names(kSides), "side");
  const QCommandLineOption gridOption("grid", Names(kGrid), "state");
  const QCommandLineOption runningOption("running", "the measurement runs");
  const QCommandLineOption triggeredOption("triggered", "search the trigger as a capture would");
  const QCommandLineOption sizeOption("size", "client size", "WxH", "800x600");
  const QCommandLineOption printerOption("printer", "paint for the printer");
  const QCommandLineOption outOption("out", "FILE.png or FILE.pdf", "file");
  parser.addOptions({displayOption, timeBaseOption, gainOption, scaleOption, sideOption, triggeredOption,
                     gridOption, runningOption, sizeOption, printerOption, outOption});
  parser.addPositionalArgument("file", "snapshot file (.osc)");
  int status = 0;
  if (!ParseCommandLine(
          parser, QStringLiteral("render"),
          QStringLiteral("FILE.osc --display MODE [options] --out FILE.png|FILE.pdf"),
          QStringLiteral(
              "Paints one display of a snapshot exactly as the analyser shows the file once\n"
              "opened (loading searches no trigger, so the sweep starts at sample 300), into a\n"
              "PNG picture or a PDF page. --triggered searches the trigger as after a capture;\n"
              "--printer paints with the printed page's mapping (three device units a unit)."),
          arguments, status))
    return status;
  const QStringList files = parser.positionalArguments();
  if (files.size() != 1) return FailWith(ExitStatus::Usage, QStringLiteral("render takes exactly one snapshot file"));
  if (!parser.isSet(displayOption))
    return FailWith(ExitStatus::Usage, QStringLiteral("render needs --display %1").arg(Names(kDisplays)));
  const QString out = parser.value(outOption);
  const bool pdf = out.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive);
  if (out.isEmpty() || (!pdf && !out.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)))
    return FailWith(ExitStatus::Usage, QStringLiteral("render needs --out FILE.png or FILE.pdf"));
  QSize clientSize;
  if (!ParseSize(parser.value(sizeOption), clientSize))
    return FailWith(ExitStatus::Usage, QStringLiteral("--size must be WIDTHxHEIGHT in pixels, not \"%1\"")
                        .arg(parser.value(sizeOption)));

  QString error;
  const Choice *display = nullptr, *timeBase = nullptr, *gain = nullptr, *scale = nullptr,
               *side = nullptr, *grid = nullptr;
  if (!Pick(parser, displayOption, kDisplays, display, error) ||
      !Pick(parser, timeBaseOption, kTimeBases, timeBase, error) ||
      !Pick(parser, gainOption, kGains, gain, error) ||
      !Pick(parser, scaleOption, kScales, scale, error) ||
      !Pick(parser, sideOption, kSides, side, error) ||
      !Pick(parser, gridOption, kGrid, grid, error))
    return FailWith(ExitStatus::Usage, error);

  if (!OutputSparesInput(files.first(), out, error)) return FailWith(ExitStatus::Usage, error);
  auto analyser = std::make_unique<RenderAnalyser>();
  CSylvarineView& view = analyser->view;
  analyser->document.OnNewDocument();
  view.PreCreateWindow();
  if (!ReadSnapshot(files.first(), analyser->document, error)) return FailWith(ExitStatus::InputOutput, error);

  // The menu's own commands, the display first: gain and side obey the rules of the
  // display they are given in.
  view.OnCommand(display->commandId);
  for (const Choice* choice : {timeBase, gain, scale, side})
    if (choice != nullptr) view.OnCommand(choice->commandId);
  if (grid != nullptr && view.State().gridVisible != static_cast<int32_t>(grid->commandId))
    view.OnCommand(CommandId::Grid);
  if (parser.isSet(runningOption)) view.OnCommand(CommandId::Start);

  // By default the file shows as the analyser shows it once opened: loading searches no
  // trigger. --triggered draws it as the acquisition would after collecting this block.
  if (parser.isSet(triggeredOption)) {
    const TriggerResult trigger = FindTrigger(analyser->document.Block().sumSamples);
    view.State().triggerFound = trigger.found;
    view.State().triggerOffset = trigger.offset;
  }

  const bool printer = parser.isSet(printerOption);
  if (printer) {
    // The print hooks up to the paint of a page, the print dialog answering yes.
    view.OnPreparePrinting([] { return true; });
    view.OnBeginPrinting();
  }
  const QRect client(QPoint(0, 0), clientSize);
  bool written = false;
  if (pdf) {
    written = WritePdf(view, printer, clientSize, out, error);
  } else if (printer) {
    // Three device units a logical unit; the printed spectrograph reaches down to 700.
    const bool spectrograph = view.State().displayFamily == DisplayFamily::Spectrograph;
    written = WritePng(view,
                       QSize(kPrinterPageWidth, spectrograph ? kPrinterScale * kPrintedSpectrographHeight : kPrinterPageHeight),
                       client, out, error);
  } else {
    written = WritePng(view, clientSize, client, out, error);
  }
  if (printer) view.OnEndPrinting();
  if (!written) return FailWith(ExitStatus::InputOutput, error);
  return 0;
}
