// The link picture opens the maker's web page in the desktop's browser; whether it opened is
// not looked at.
#include "platform/shell/ShellExecute.h"
#include "window/StoredTexts.h"
#include "window/frmMain.h"

void frmMain::Image1_Click() {
  const std::int32_t owner = hWnd();
  shell::ShellExecuteA(owner, "open", window::kWebAddress, nullptr, nullptr, shell::SW_SHOW);
}
