// The mask layer follows its box at once, also during playback.
#include "sound/SoundLayer.h"
#include "window/OptionalLayerSwitch.h"
#include "window/frmMain.h"

void frmMain::Check1_Click() { window::SwitchOptionalLayer(*Check1, *cmdPlay, *LayerBuffers[Mask]); }
