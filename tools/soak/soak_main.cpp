// vell_soak: the real application (CVellApp, its frame and canvas) under a long random
// stream of input, for finding leaks and slow-downs that only show after many minutes.
//   vell_soak [--seconds N] [--warmup N] [--seed N]
// Run it from the repository's root (the sprite is read as Data/Particle.bmp) on an X
// server; scripts/soak does both. Exit status: 0 healthy, 1 memory or frame time grew,
// 2 the window went away, 3 start-up failed, 64 bad arguments.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "app/vell_app.h"
#include "canvas/vell_view.h"
#include "framework/frame_wnd.h"
#include "tools/soak/soak_driver.h"

namespace {

SoakOptions gOptions;

bool ParsePositive(const char* text, double& out) {
  char* end = nullptr;
  const double value = std::strtod(text, &end);
  if (end == text || *end != '\0' || !(value > 0) || value > 86400) return false;
  out = value;
  return true;
}

bool ParseArguments(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string flag = argv[i];
    double value = 0;
    if (i + 1 >= argc || !ParsePositive(argv[i + 1], value)) {
      std::fprintf(stderr, "vell_soak: %s needs a positive number\n", flag.c_str());
      return false;
    }
    ++i;
    if (flag == "--seconds") gOptions.seconds = value;
    else if (flag == "--warmup") gOptions.warmupSeconds = value;
    else if (flag == "--seed") gOptions.seed = unsigned(value);
    else {
      std::fprintf(stderr, "usage: vell_soak [--seconds N] [--warmup N] [--seed N]\n");
      return false;
    }
  }
  if (gOptions.warmupSeconds >= gOptions.seconds) {
    std::fprintf(stderr, "vell_soak: the warm-up must be shorter than the run\n");
    return false;
  }
  return true;
}

// The application exactly as the user gets it, with the driver started once the main
// window is up.
class CSoakApp : public CVellApp {
 public:
  bool InitInstance() override {
    if (!CVellApp::InitInstance()) return false;
    auto* view = dynamic_cast<CVellView*>(m_pMainWnd ? m_pMainWnd->GetActiveView() : nullptr);
    if (!view) {
      std::fprintf(stderr, "vell_soak: the main window has no canvas\n");
      return false;
    }
    driver_ = std::make_unique<CSoakDriver>(m_pMainWnd, view, gOptions);
    driver_->Start();
    return true;
  }
  // The driver goes before the framework's clean-up, while Qt is still running.
  int ExitInstance() override {
    if (driver_) soakStatus_ = driver_->exitStatus();
    driver_.reset();
    return CVellApp::ExitInstance();
  }
  int SoakStatus() const { return soakStatus_; }

 private:
  std::unique_ptr<CSoakDriver> driver_;
  int soakStatus_ = 3;
};

CSoakApp theApp;

}  // namespace

int main(int argc, char** argv) {
  if (!ParseArguments(argc, argv)) return 64;
  // The framework reads the command line itself; it gets none, so it makes a new
  // document as a user's plain start does.
  int frameworkArgc = 1;
  char* frameworkArgv[] = {argv[0], nullptr};
  if (theApp.Run(frameworkArgc, frameworkArgv) != 0) return 3;
  return theApp.SoakStatus();
}
