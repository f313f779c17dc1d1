#include "window/OptionalLayerSwitch.h"

#include "platform/toolkit/CheckBox.h"
#include "platform/toolkit/CommandButton.h"
#include "platform/toolkit/RuntimeError.h"
#include "sound/LayerControl.h"
#include "window/PlaybackCaptions.h"

namespace window {

void SwitchOptionalLayer(const tk::CheckBox& box, const tk::CommandButton& playButton,
                         ds::DirectSoundBuffer& layer) {
  const std::int16_t value = box.Value();
  const QString caption = playButton.Caption();
  const bool playing = caption == kPauseCaption;
  const bool ticked = value == tk::vbChecked;
  if (playing && ticked) {
    sound::PlayCentred(layer);
  } else {
    tk::Check(layer.Stop());
  }
}

}  // namespace window
