// The toolkit's own floor: an empty top-level window of the program's client size, shown
// at once. Start-up and memory of the program are measured against it.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QWidget window;
  window.setFixedSize(634, 402);
  window.setWindowTitle(QStringLiteral("Bare window"));
  window.show();
  return QApplication::exec();
}
