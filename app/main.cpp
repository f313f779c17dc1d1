// Start-up: the sound server's connection, the font configuration and then the layer files
// start on threads of their own; the toolkit makes frmMain from its stored layout, raises its
// load event, shows it, and runs the event loop until the window is closed.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "platform/directsound/DirectSound.h"
#include "platform/toolkit/DefaultFont.h"
#include "platform/toolkit/FontSetUp.h"
#include "sound/PrefetchLayers.h"
#include "window/frmMain.h"

int main(int argc, char* argv[]) {
  // Both run on other cores while the toolkit starts.
  ds::StartSoundServerConnection();
  tk::StartFontSetUp();
  QApplication application(argc, argv);
  // Decoding the layers is most of the load event's work: it runs on other cores while the
  // window is built. Started beside the toolkit's own start instead, it slowed that by ~10 ms.
  sound::PrefetchLayerFiles();
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
