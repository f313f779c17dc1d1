#pragma once
// frmMain with a person and a process end that tests control: message boxes are recorded
// (and may run a reaction while "shown"), the end of the program throws tk::ProgramEnded.
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/toolkit/Runtime.h"
#include "tests/doubles/RecordingSound.h"
#include "window/frmMain.h"

namespace doubles {

struct ShownMessage {
  QString prompt;
  int style;
  QString title;
};

class FormHarness {
 public:
  explicit FormHarness(std::string folder = "/opt/velnoria", frmMain::RootMaker maker = {});
  ~FormHarness();

  // Start-up as the toolkit does it; true when the program ended during it.
  bool Start();
  // Runs `action` (e.g. a click); true when the program ended during it.
  bool Ends(const std::function<void()>& action);

  std::shared_ptr<CallLog> log = std::make_shared<CallLog>();
  std::unique_ptr<frmMain> form;
  std::vector<ShownMessage> messages;
  // Runs while a message box is "shown", before the person dismisses it.
  std::function<void(const ShownMessage&)> whileShown;
  std::string folder;
};

}  // namespace doubles
