// The music layer follows its box like the mask; the first click of a run first shows the
// preview notice, and only once it is dismissed are the box and the caption read.
#include "platform/toolkit/Runtime.h"
#include "sound/SoundLayer.h"
#include "window/OptionalLayerSwitch.h"
#include "window/frmMain.h"

void frmMain::Check2_Click() {
  if (!PreviewNoticeShown) {
    tk::MsgBox(QStringLiteral("This is a early preview of the next version, it's just for testing purposes"),
               tk::vbInformation, QStringLiteral("Velnoria Lumetta 1.1"));
    PreviewNoticeShown = true;
  }
  window::SwitchOptionalLayer(*Check2, *cmdPlay, *LayerBuffers[Music]);
}
