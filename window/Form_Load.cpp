// Readies the sound side before the window is shown: the device at the priority level, the
// four layers loaded, every layer stopped at its start.
#include "platform/toolkit/Runtime.h"
#include "platform/toolkit/RuntimeError.h"
#include "sound/LayerControl.h"
#include "window/frmMain.h"

void frmMain::Form_Load() {
  ds::HRESULT status = ds::DS_OK;
  if (!DirectXRoot) status = makeRoot_(DirectXRoot);
  if (!ds::Failed(status)) status = DirectXRoot->DirectSoundCreate("", SoundDevice);

  PreviewNoticeShown = false;

  if (ds::Failed(status) || !SoundDevice) {
    tk::MsgBox(QStringLiteral("Unable to start DirectSound. Check to see that your sound card is "
                              "properly installed."),
               tk::vbOKOnly);
    tk::End();
  }

  tk::Check(SoundDevice->SetCooperativeLevel(hWnd(), ds::DSSCL_PRIORITY));
  LoadWave();
  sound::StopAndRewindAll(LayerBuffers);
}
