#pragma once

#include <QObject>
#include <QPoint>
#include <QSize>
#include <QTimer>

#include <chrono>
#include <random>

#include "tools/soak/soak_report.h"

class CFrameWnd;
class CVellView;

struct SoakOptions {
  double seconds = 60;
  double warmupSeconds = 10;
  unsigned seed = 1;
  double probeEverySeconds = 1.0;
};

// Feeds the real application window a long random stream of input, in the window's
// own event loop: presses, moves and releases of the left button on the canvas, digit
// keys (main keyboard and keypad), the four colour commands through the frame's command
// route, and window resizes. Once a second it reads the resident set size; every probe
// interval it puts the window back to a reference size and times a few paints. When the
// time is up it judges the figures, prints them and ends the event loop.
class CSoakDriver : public QObject {
 public:
  CSoakDriver(CFrameWnd* frame, CVellView* view, const SoakOptions& options);

  void Start();
  // 0 when the program stayed healthy, 1 when memory or frame time grew, 2 when the
  // window went away during the run.
  int exitStatus() const { return exitStatus_; }

 private:
  void Step();
  void SendOneEvent();
  void SendMouse(int kind);
  void SendDigitKey();
  void SendColourCommand();
  void SendResize();
  void TimePaint();
  void Probe();
  void Finish();
  double Elapsed() const;
  QPoint RandomPoint();

  CFrameWnd* frame_;
  CVellView* view_;
  SoakOptions options_;
  SoakFigures figures_;
  std::mt19937 random_;
  QTimer stepTimer_;
  std::chrono::steady_clock::time_point start_;
  double nextProbeAt_ = 0;
  bool buttonDown_ = false;
  QPoint pointer_;
  int exitStatus_ = 0;
};

// The resident set size of this process in KiB, from /proc/self/statm.
double ResidentKiB();
double ThreadCpuMs();
