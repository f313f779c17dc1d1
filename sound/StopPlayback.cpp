// Silences every layer and moves it back to its start, so the next Start plays it from there.
#include "sound/LayerControl.h"
#include "window/frmMain.h"

void frmMain::StopPlayback() { sound::StopAndRewindAll(LayerBuffers); }
