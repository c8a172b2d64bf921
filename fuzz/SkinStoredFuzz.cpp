// The engine's stored form: a first byte 0 for no skin, or 2 and the compressed container of
// the skin. Any other first byte is not this form and the input is ignored.
//
// The engine loads into the source it already has: a load replaces the content, so loading
// the same bytes twice gives the same skin as loading them once, and a skin that loaded
// saves into the stored form again and loads back with the same headers and counts.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "SkinFuzzSupport.h"

namespace {

// Loads the stored form into Source; false when the bytes raised an error of the system.
bool LoadStored(const std::vector<uint8_t>& Bytes, TSeSkinSource& Source) {
  TMemoryStream Stream(Bytes);
  Stream.SetPosition(1); // past the form byte, as the engine reads it
  try {
    Source.LoadFromStream(Stream);
  } catch (const Exception&) {
    return false;
  }
  return true;
}

struct TShape {
  std::string Headers;
  int Bitmaps;
  int Objects;
  bool operator==(const TShape&) const = default;
};

TShape ShapeOf(const TSeSkinSource& Source) {
  return {Source.SkinName + '\n' + Source.SkinVersion + '\n' + Source.Author + '\n' +
              Source.AuthorEMail + '\n' + Source.AuthorURL,
          Source.Bitmaps().Count(), Source.ObjectCount()};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  if (Size == 0 || (Data[0] != 0 && Data[0] != 2))
    return 0;
  TSeSkinSource Source;
  if (Data[0] == 0) {
    // No skin: the engine goes on with an empty source.
    Source.Clear();
    skinfuzz::Exercise(Source);
    return 0;
  }
  const std::vector<uint8_t> Bytes(Data, Data + Size);
  if (LoadStored(Bytes, Source)) {
    const TShape Loaded = ShapeOf(Source);
    Source.ChangeHue(10);
    if (!LoadStored(Bytes, Source) || !(ShapeOf(Source) == Loaded))
      skinfuzz::Fail("loading the same bytes again into the source gave another skin");
    if (Source.CurrentHue() != 0)
      skinfuzz::Fail("a new load kept the hue of the old skin");
    TMemoryStream Saved;
    Saved.WriteBuffer("\2", 1);
    bool SaveRefused = false;
    try {
      Source.SaveToStream(Saved);
    } catch (const EWriteError&) {
      SaveRefused = true; // more bitmaps or children than a marked count holds
    }
    if (!SaveRefused) {
      TSeSkinSource Again;
      if (!LoadStored(Saved.Bytes(), Again) || !(ShapeOf(Again) == Loaded))
        skinfuzz::Fail("a saved skin does not load again to the same headers and counts");
    }
  }
  skinfuzz::Exercise(Source);
  return 0;
}
