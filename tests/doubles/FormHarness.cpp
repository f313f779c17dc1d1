#include "tests/doubles/FormHarness.h"

namespace doubles {

FormHarness::FormHarness(std::string programFolder, frmMain::RootMaker maker) : folder(std::move(programFolder)) {
  tk::SetRuntimeHooks({
      .messageBox =
          [this](const QString& prompt, int style, const QString& title) {
            messages.push_back({prompt, style, title});
            if (whileShown) whileShown(messages.back());
            return tk::vbOK;
          },
      .end = [] { throw tk::ProgramEnded{}; },
      .appPath = [this] { return folder; },
  });
  form = std::make_unique<frmMain>(maker ? std::move(maker) : RecordingRoot(log));
}

FormHarness::~FormHarness() {
  form.reset();
  tk::SetRuntimeHooks({});
}

bool FormHarness::Start() {
  return Ends([this] { form->Start(); });
}

bool FormHarness::Ends(const std::function<void()>& action) {
  try {
    action();
  } catch (const tk::ProgramEnded&) {
    return true;
  }
  return false;
}

}  // namespace doubles
