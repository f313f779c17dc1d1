// Draws an RTF file in a rich text box of the window's size and saves it as a PNG, to look
// at what the reader makes of a help text: richtext_render in.rtf out.png [width height].
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "platform/richtext/RichTextBox.h"
#include "platform/toolkit/DefaultFont.h"
#include "tests/platform/richtext/DocumentFacts.h"

int main(int argc, char** argv) {
  if (argc != 3 && argc != 5) {
    std::fprintf(stderr, "usage: %s in.rtf out.png [width height]\n", argv[0]);
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QApplication::setFont(tk::DefaultFont());
  richtext::RichTextBox box;
  box.resize(argc == 5 ? std::atoi(argv[3]) : 217, argc == 5 ? std::atoi(argv[4]) : 137);
  box.SetTextRTF(richtext::testing::ReadFile(argv[1]));
  box.show();
  return box.grab().save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
