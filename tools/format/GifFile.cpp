#include "tools/format/GifFile.h"

#include <gif_lib.h>

namespace fileformat {

namespace {

int AppendBytes(GifFileType* gif, const GifByteType* data, int length) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(gif->UserData);
  out->insert(out->end(), data, data + length);
  return length;
}

bool WriteBody(GifFileType* gif, const IndexedPicture& picture) {
  ColorMapObject* table = GifMakeMapObject(256, nullptr);
  if (table == nullptr) return false;
  for (int i = 0; i < 256; ++i)
    table->Colors[i] = {picture.palette[i].r, picture.palette[i].g, picture.palette[i].b};
  EGifSetGifVersion(gif, true);
  const bool screen = EGifPutScreenDesc(gif, picture.width, picture.height, 8, 0, table) == GIF_OK;
  GifFreeMapObject(table);
  if (!screen) return false;
  // Packed fields 0: no disposal method, no user input, no transparent colour; delay 0.
  const GifByteType control[4] = {0, 0, 0, 0};
  if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, control) != GIF_OK) return false;
  if (EGifPutImageDesc(gif, 0, 0, picture.width, picture.height, false, nullptr) != GIF_OK)
    return false;
  std::vector<GifPixelType> row(picture.width);
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) row[x] = picture.indices[y * picture.width + x];
    if (EGifPutLine(gif, row.data(), picture.width) != GIF_OK) return false;
  }
  return true;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> EncodeGif(const IndexedPicture& picture) {
  if (picture.palette.size() != 256 ||
      picture.indices.size() != static_cast<size_t>(picture.width) * picture.height)
    return std::nullopt;
  std::vector<std::uint8_t> bytes;
  int error = 0;
  GifFileType* gif = EGifOpen(&bytes, AppendBytes, &error);
  if (gif == nullptr) return std::nullopt;
  const bool written = WriteBody(gif, picture);
  // Closing writes the trailer and frees the handle whatever happened before.
  const bool closed = EGifCloseFile(gif, &error) == GIF_OK;
  if (!written || !closed) return std::nullopt;
  return bytes;
}

}  // namespace fileformat
