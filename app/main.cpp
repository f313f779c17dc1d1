// Start-up: the layer files start decoding, the toolkit makes frmMain from its stored layout,
// raises its load event, shows it, and runs the event loop until the window is closed.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "platform/toolkit/DefaultFont.h"
#include "sound/PrefetchLayers.h"
#include "window/frmMain.h"

int main(int argc, char* argv[]) {
  // Decoding the layers is most of the load event's work: it runs meanwhile on other cores.
  sound::PrefetchLayerFiles();
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("VelnoriaLM"));
  QApplication::setDesktopFileName(QStringLiteral("VelnoriaLM"));
  QApplication::setFont(tk::DefaultFont());

  frmMain form;
  form.Start();
  const int code = QApplication::exec();
  // Closing the window ends the program at once. Releasing the sound device by hand would
  // wait for the sound server to drain what it has queued; the system releases it anyway.
  std::fflush(nullptr);
  std::_Exit(code);
}
