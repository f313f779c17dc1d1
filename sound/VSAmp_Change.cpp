// The beats' volume is the slider's value, unchanged: hundredths of a decibel, 0 at the top.
#include <cstdint>

#include "platform/toolkit/RuntimeError.h"
#include "platform/toolkit/VScrollBar.h"
#include "sound/SoundLayer.h"
#include "window/frmMain.h"

void frmMain::VSAmp_Change() {
  tk::Check(LayerBuffers[BeatLeft]->SetVolume(std::int32_t{VSAmp->Value()}));
  tk::Check(LayerBuffers[BeatRight]->SetVolume(std::int32_t{VSAmp->Value()}));
}
