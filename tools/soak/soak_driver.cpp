#include "tools/soak/soak_driver.h"

#include <QCoreApplication>
#include <QRect>
#include <QWindow>
#include <QtTest/QTest>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <unistd.h>

#include "brush/ink_colours.h"
#include "canvas/vell_view.h"
#include "framework/frame_wnd.h"

namespace {

// Events sent per turn of the event loop; between turns the view's own 30 ms tick and
// the paints it asks for run as they would for a user.
constexpr int kEventsPerStep = 200;
// The size the frame times are compared at, so that random resizes do not blur them.
constexpr QSize kReferenceSize(800, 600);
constexpr int kPaintsPerProbe = 5;

// Relative weights of the kinds of event in the stream.
enum EventKind { kPress, kMove, kRelease, kDigit, kColour, kResize, kKindCount };
constexpr int kWeights[kKindCount] = {40, 900, 40, 15, 4, 1};

}  // namespace

// CPU time of the calling thread. With Mesa's software renderer told to rasterise on
// the calling thread (LP_NUM_THREADS=0, as scripts/soak sets), this is the work a paint
// costs, whatever else the machine is doing.
double ThreadCpuMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

double ResidentKiB() {
  std::ifstream statm("/proc/self/statm");
  long sizePages = 0, residentPages = 0;
  statm >> sizePages >> residentPages;
  return double(residentPages) * double(sysconf(_SC_PAGESIZE)) / 1024.0;
}

CSoakDriver::CSoakDriver(CFrameWnd* frame, CVellView* view, const SoakOptions& options)
    : frame_(frame), view_(view), options_(options), random_(options.seed) {
  stepTimer_.setInterval(0);
  QObject::connect(&stepTimer_, &QTimer::timeout, this, [this] { Step(); });
}

void CSoakDriver::Start() {
  figures_.warmupSeconds = options_.warmupSeconds;
  figures_.rssAtLaunchKiB = ResidentKiB();
  start_ = std::chrono::steady_clock::now();
  pointer_ = QPoint(view_->canvasWidth / 2, view_->canvasHeight / 2);
  stepTimer_.start();
}

double CSoakDriver::Elapsed() const {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
}

void CSoakDriver::Step() {
  if (!view_->surface() || !frame_->isVisible()) {
    std::fprintf(stderr, "vell_soak: the window went away after %.1f s\n", Elapsed());
    exitStatus_ = 2;
    stepTimer_.stop();
    QCoreApplication::exit(2);
    return;
  }
  for (int i = 0; i < kEventsPerStep; ++i) SendOneEvent();
  TimePaint();
  const double now = Elapsed();
  if (now >= nextProbeAt_) {
    Probe();
    nextProbeAt_ = now + options_.probeEverySeconds;
  }
  if (now >= options_.seconds) Finish();
}

void CSoakDriver::SendOneEvent() {
  std::discrete_distribution<int> kinds(std::begin(kWeights), std::end(kWeights));
  switch (kinds(random_)) {
    case kPress: return SendMouse(kPress);
    case kMove: return SendMouse(kMove);
    case kRelease: return SendMouse(kRelease);
    case kDigit: return SendDigitKey();
    case kColour: return SendColourCommand();
    default: return SendResize();
  }
}

QPoint CSoakDriver::RandomPoint() {
  // Mostly short hops (a hand writing, slow and fast), now and then a jump anywhere,
  // sometimes outside the canvas: a drag may leave the window.
  const QSize size = view_->surface()->size();
  std::uniform_int_distribution<int> hop(-12, 12), percent(0, 99);
  const int roll = percent(random_);
  if (roll < 3) {
    std::uniform_int_distribution<int> x(-50, size.width() + 50), y(-50, size.height() + 50);
    return QPoint(x(random_), y(random_));
  }
  const int scale = roll < 30 ? 4 : 1;
  const QPoint p = pointer_ + QPoint(hop(random_) * scale, hop(random_) * scale);
  return QPoint(std::clamp(p.x(), 0, size.width() - 1), std::clamp(p.y(), 0, size.height() - 1));
}

void CSoakDriver::SendMouse(int kind) {
  QWindow* window = view_->surface();
  pointer_ = RandomPoint();
  const bool inside = QRect(QPoint(0, 0), window->size()).contains(pointer_);
  if (kind == kPress && !buttonDown_ && inside) {
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, pointer_);
    buttonDown_ = true;
    ++figures_.presses;
  } else if (kind == kRelease && buttonDown_) {
    if (inside) QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, pointer_);
    else view_->OnLButtonUp(0, pointer_);
    buttonDown_ = false;
    ++figures_.releases;
  } else {
    // The window system keeps sending a drag that left the window to the window that
    // took the press; QTest sends only inside the window, so such moves go straight to
    // the handler, as the window would deliver them.
    if (inside) QTest::mouseMove(window, pointer_);
    else view_->OnMouseMove(buttonDown_ ? MK_LBUTTON : 0, pointer_);
    ++figures_.moves;
  }
}

void CSoakDriver::SendDigitKey() {
  // Main-keyboard 0..9 (1..8 change the ink) and, now and then, a keypad digit, which
  // must change nothing.
  std::uniform_int_distribution<int> digit(0, 9), percent(0, 99);
  const Qt::Key key = Qt::Key(Qt::Key_0 + digit(random_));
  if (percent(random_) < 20) {
    QTest::keyClick(view_->surface(), key, Qt::KeypadModifier);
    ++figures_.keypadKeys;
  } else {
    QTest::keyClick(view_->surface(), key);
    ++figures_.digitKeys;
  }
}

void CSoakDriver::SendColourCommand() {
  std::uniform_int_distribution<int> which(0, 3);
  frame_->RouteCommand(kInkCommandColours[which(random_)].commandId);
  ++figures_.colourCommands;
}

void CSoakDriver::SendResize() {
  std::uniform_int_distribution<int> width(120, 1250), height(80, 1000);
  frame_->resize(width(random_), height(random_));
  ++figures_.resizes;
}

void CSoakDriver::TimePaint() {
  const auto before = std::chrono::steady_clock::now();
  view_->PaintNow();
  const auto after = std::chrono::steady_clock::now();
  figures_.streamFrameMs.push_back(std::chrono::duration<double, std::milli>(after - before).count());
  ++figures_.paints;
}

void CSoakDriver::Probe() {
  frame_->resize(kReferenceSize);
  // The new size reaches the view through the window system; wait for it (briefly).
  const double giveUpAt = Elapsed() + 1.0;
  while (Elapsed() < giveUpAt &&
         (view_->canvasWidth != view_->widget()->width() || view_->canvasHeight != view_->widget()->height() ||
          frame_->size() != kReferenceSize)) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  }
  std::vector<double> wall, cpu;
  for (int i = 0; i < kPaintsPerProbe; ++i) {
    const auto before = std::chrono::steady_clock::now();
    const double cpuBefore = ThreadCpuMs();
    view_->PaintNow();
    cpu.push_back(ThreadCpuMs() - cpuBefore);
    wall.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - before).count());
  }
  const double now = Elapsed();
  figures_.probeFrameMs.push_back({now, Percentile(wall, 50)});
  figures_.probeCpuMs.push_back({now, Percentile(cpu, 50)});
  figures_.rssKiB.push_back({now, ResidentKiB()});
}

void CSoakDriver::Finish() {
  stepTimer_.stop();
  if (buttonDown_) QTest::mouseRelease(view_->surface(), Qt::LeftButton, Qt::NoModifier, pointer_);
  Probe();
  figures_.particlesLaid = view_->brush.count();
  const SoakVerdict verdict = JudgeSoak(figures_, SoakLimits{});
  std::fputs(verdict.text.c_str(), stdout);
  std::fflush(stdout);
  exitStatus_ = verdict.memoryFlat && verdict.framesFlat ? 0 : 1;
  QCoreApplication::exit(0);
}
