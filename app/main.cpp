// Start-up: the toolkit makes frmMain from its stored layout, raises its load event, shows
// it, and runs the event loop until the window is closed.
#include <QApplication>

#include "platform/toolkit/DefaultFont.h"
#include "window/frmMain.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("VelnoriaLM"));
  QApplication::setDesktopFileName(QStringLiteral("VelnoriaLM"));
  QApplication::setFont(tk::DefaultFont());

  frmMain form;
  form.Start();
  return QApplication::exec();
}
