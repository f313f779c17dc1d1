// Makes the four layers from their files beside the program; a file that cannot be made into
// a buffer is reported and ends the program, and the layers after it are not tried.
#include <QFile>
#include <string>

#include "platform/toolkit/Runtime.h"
#include "platform/toolkit/RuntimeError.h"
#include "sound/SoundLayer.h"
#include "window/frmMain.h"

void frmMain::LoadWave() {
  ds::DSBUFFERDESC bufferDescription{};
  bufferDescription.dwFlags =
      ds::DSBCAPS_STATIC | ds::DSBCAPS_CTRLFREQUENCY | ds::DSBCAPS_CTRLPAN | ds::DSBCAPS_CTRLVOLUME;

  // Filled once and handed to every load, as each load leaves it.
  ds::WAVEFORMATEX waveFormat{};
  waveFormat.wFormatTag = ds::WAVE_FORMAT_PCM;
  waveFormat.nChannels = 1;
  waveFormat.nSamplesPerSec = 44100;
  waveFormat.wBitsPerSample = 16;
  waveFormat.nBlockAlign = static_cast<std::uint16_t>(16.0 / 8.0);
  waveFormat.nAvgBytesPerSec = static_cast<std::uint32_t>(
      std::int32_t{static_cast<std::int16_t>(waveFormat.nBlockAlign)} *
      static_cast<std::int32_t>(waveFormat.nSamplesPerSec));

  std::string layerPath;
  for (std::size_t layer = BeatLeft; layer <= Music; ++layer) {
    layerPath = tk::AppPath() + kLayerFiles[layer];
    std::shared_ptr<ds::DirectSoundBuffer> buffer;
    const ds::HRESULT status =
        SoundDevice->CreateSoundBufferFromFile(layerPath, bufferDescription, waveFormat, buffer);
    if (ds::Failed(status) || !buffer) {
      tk::MsgBox(QStringLiteral("Unable to find, please repair installation. ") +
                     QFile::decodeName(QByteArray::fromStdString(layerPath)),
                 tk::vbCritical, QStringLiteral("Velnoria Message"));
      tk::End();
    }
    LayerBuffers[layer] = std::move(buffer);
  }
}
