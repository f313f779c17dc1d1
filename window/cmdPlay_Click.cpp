// Start and Pause. The button's caption is the playback state: "&Start" while stopped.
#include "platform/toolkit/CheckBox.h"
#include "platform/toolkit/CommandButton.h"
#include "platform/toolkit/RuntimeError.h"
#include "sound/LayerControl.h"
#include "sound/SoundLayer.h"
#include "window/PlaybackCaptions.h"
#include "window/StatusText.h"
#include "window/frmMain.h"

void frmMain::cmdPlay_Click() {
  if (cmdPlay->Caption() == window::kStartCaption) {
    VSAmp_Change();
    tk::Check(LayerBuffers[BeatLeft]->SetPan(ds::DSBPAN_LEFT));
    tk::Check(LayerBuffers[BeatRight]->SetPan(ds::DSBPAN_RIGHT));
    tk::Check(LayerBuffers[BeatLeft]->Play(ds::DSBPLAY_LOOPING));
    tk::Check(LayerBuffers[BeatRight]->Play(ds::DSBPLAY_LOOPING));
    if (Check1->Value() == tk::vbChecked) sound::PlayCentred(*LayerBuffers[Mask]);
    if (Check2->Value() == tk::vbChecked) sound::PlayCentred(*LayerBuffers[Music]);
    cmdPlay->SetCaption(window::kPauseCaption);
    window::SetStatusText(*StatusBar1, QStringLiteral("Playing"));
  } else {
    cmdPlay->SetCaption(window::kStartCaption);
    StopPlayback();
    window::SetStatusText(*StatusBar1, QStringLiteral("Ready"));
  }
}
