#pragma once
// A check box's optional layer follows its box at once: ticked while playing starts it
// centred from where it stands; anything else stops it where it is, with no rewind.
#include "platform/directsound/DirectSound.h"

namespace tk {
class CheckBox;
class CommandButton;
}  // namespace tk

namespace window {
// Reads the box's value, then the caption, then switches `layer`. Window thread.
void SwitchOptionalLayer(const tk::CheckBox& box, const tk::CommandButton& playButton,
                         ds::DirectSoundBuffer& layer);
}  // namespace window
