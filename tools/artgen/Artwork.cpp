#include "Artwork.h"

#include "Canvas.h"
#include "Glyphs.h"
#include "ImageFiles.h"
#include "Motifs.h"
#include "Pictures.h"

namespace ArtGen {

namespace {

IconImage EmblemImage(int Size) {
  Canvas Image(Size, Size);
  DrawEmblem(Image, 0, 0, static_cast<float>(Size));
  return {Size, Size, Image.ToBgra()};
}

IconImage CursorImage() {
  Canvas Image(32, 32);
  // Centred on the middle of the hotspot pixel.
  DrawReticle(Image, CursorHotX + 0.5f, CursorHotY + 0.5f, ReticleShape{});
  return {32, 32, Image.ToBgra()};
}

ArtFile GlyphBitmap(const std::string& Name, FormGlyph Glyph) {
  Canvas Image(FormGlyphSize, FormGlyphSize);
  DrawFormGlyph(Image, Glyph);
  return {Name, EncodeBmp24(FormGlyphSize, FormGlyphSize, Image.ToBgr(GlyphKeyColor()))};
}

ArtFile ButtonGlyphBitmap(const std::string& Name, ButtonGlyph Glyph) {
  Canvas Image(2 * ButtonGlyphCell, ButtonGlyphCell);
  DrawButtonGlyph(Image, Glyph);
  return {Name,
          EncodeBmp24(2 * ButtonGlyphCell, ButtonGlyphCell, Image.ToBgr(GlyphKeyColor()))};
}

ArtFile Bitmap(const std::string& Name, int Width, int Height, void (*Draw)(Canvas&, bool),
               bool Variant) {
  Canvas Image(Width, Height);
  Draw(Image, Variant);
  return {Name, EncodeBmp24(Width, Height, Image.ToBgr(Palette::DialogFace))};
}

} // namespace

std::vector<ArtFile> BuildArtwork() {
  std::vector<ArtFile> Files;
  Files.push_back({"Mirevan.ico", EncodeIcon({EmblemImage(16), EmblemImage(32), EmblemImage(48)})});
  Files.push_back({"Drag.cur", EncodeCursor(CursorImage(), CursorHotX, CursorHotY)});
  Files.push_back(Bitmap("DragOff.bmp", 32, 32, DrawSocket, true));
  Files.push_back(Bitmap("DragOn.bmp", 32, 32, DrawSocket, false));
  Files.push_back(Bitmap("OperateTransparent.bmp", 64, 56, DrawDesktop, true));
  Files.push_back(Bitmap("OperateOpacity.bmp", 64, 56, DrawDesktop, false));
  Canvas Banner(361, 97);
  DrawBanner(Banner);
  Files.push_back({"AboutBanner.bmp", EncodeBmp24(361, 97, Banner.ToBgr(Palette::DialogFace))});
  Files.push_back(GlyphBitmap("FormClose.bmp", FormGlyph::Close));
  Files.push_back(GlyphBitmap("FormMinimize.bmp", FormGlyph::Minimize));
  Files.push_back(GlyphBitmap("FormMaximize.bmp", FormGlyph::Maximize));
  Files.push_back(GlyphBitmap("FormRestore.bmp", FormGlyph::Restore));
  Files.push_back(GlyphBitmap("FormRollup.bmp", FormGlyph::Rollup));
  Files.push_back(GlyphBitmap("FormTray.bmp", FormGlyph::Tray));
  Files.push_back(ButtonGlyphBitmap("ButtonOK.bmp", ButtonGlyph::OK));
  Files.push_back(ButtonGlyphBitmap("ButtonCancel.bmp", ButtonGlyph::Cancel));
  Files.push_back(ButtonGlyphBitmap("ButtonHelp.bmp", ButtonGlyph::Help));
  Files.push_back(ButtonGlyphBitmap("ButtonYes.bmp", ButtonGlyph::Yes));
  Files.push_back(ButtonGlyphBitmap("ButtonNo.bmp", ButtonGlyph::No));
  Files.push_back(ButtonGlyphBitmap("ButtonClose.bmp", ButtonGlyph::Close));
  Files.push_back(ButtonGlyphBitmap("ButtonAbort.bmp", ButtonGlyph::Abort));
  Files.push_back(ButtonGlyphBitmap("ButtonRetry.bmp", ButtonGlyph::Retry));
  Files.push_back(ButtonGlyphBitmap("ButtonIgnore.bmp", ButtonGlyph::Ignore));
  Files.push_back(ButtonGlyphBitmap("ButtonAll.bmp", ButtonGlyph::All));
  return Files;
}

} // namespace ArtGen
