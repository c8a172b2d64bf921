#include "bench/SkinScenes.h"

#include <fstream>
#include <iterator>

#include "skin/SkinKinds.h"
#include "skin/SkinObjects.h"

namespace {

// A part by tile style: tiled (copies from the part's top-left corner, cut at the right and
// bottom); a stretch; or the picture unscaled in the middle of Whole.
void AddPart(std::vector<TScenePiece>& Out, const TseBitmap& Image, const TRect& Src,
             const TRect& Dst, TscTileStyle Style, bool Masked, const TRect& Whole) {
  if (Src.IsEmpty() || Dst.IsEmpty())
    return;
  if (Style == tsStretch) {
    Out.push_back({&Image, Src, Dst, Masked});
  } else if (Style == tsCenter) {
    const int32_t L = Whole.Left + (Whole.Width() - Src.Width()) / 2;
    const int32_t T = Whole.Top + (Whole.Height() - Src.Height()) / 2;
    Out.push_back({&Image, Src, {L, T, L + Src.Width(), T + Src.Height()}, Masked});
  } else {
    Out.push_back({&Image, Src, Dst, Masked, true});
  }
}

// Which parts have key holes: the centre, the edges, the corners.
struct TMasks {
  bool Centre, Edges, Corners;
};

void AddObject(std::vector<TScenePiece>& Out, const TseBitmapLink& Link, const TRect& Margins,
               TscTileStyle Centre, TscTileStyle Border, TMasks Masks, const TRect& B) {
  const TseBitmap& Image = *Link.Image;
  const TRect S = Link.Rect;
  const int32_t ML = Margins.Left, MT = Margins.Top, MR = Margins.Right, MB = Margins.Bottom;
  if (ML == 0 && MT == 0 && MR == 0 && MB == 0) {
    AddPart(Out, Image, S, B, Centre, Masks.Centre, B);
    return;
  }
  AddPart(Out, Image, {S.Left + ML, S.Top + MT, S.Right - MR, S.Bottom - MB},
          {B.Left + ML, B.Top + MT, B.Right - MR, B.Bottom - MB}, Centre, Masks.Centre, B);
  AddPart(Out, Image, {S.Left + ML, S.Top, S.Right - MR, S.Top + MT},
          {B.Left + ML, B.Top, B.Right - MR, B.Top + MT}, Border, Masks.Edges, B);
  AddPart(Out, Image, {S.Left + ML, S.Bottom - MB, S.Right - MR, S.Bottom},
          {B.Left + ML, B.Bottom - MB, B.Right - MR, B.Bottom}, Border, Masks.Edges, B);
  AddPart(Out, Image, {S.Left, S.Top + MT, S.Left + ML, S.Bottom - MB},
          {B.Left, B.Top + MT, B.Left + ML, B.Bottom - MB}, Border, Masks.Edges, B);
  AddPart(Out, Image, {S.Right - MR, S.Top + MT, S.Right, S.Bottom - MB},
          {B.Right - MR, B.Top + MT, B.Right, B.Bottom - MB}, Border, Masks.Edges, B);
  const auto Corner = [&](const TRect& Src, int32_t L, int32_t T) {
    AddPart(Out, Image, Src, {L, T, L + Src.Width(), T + Src.Height()}, tsStretch, Masks.Corners,
            B);
  };
  Corner({S.Left, S.Top, S.Left + ML, S.Top + MT}, B.Left, B.Top);
  Corner({S.Right - MR, S.Top, S.Right, S.Top + MT}, B.Right - MR, B.Top);
  Corner({S.Left, S.Bottom - MB, S.Left + ML, S.Bottom}, B.Left, B.Bottom - MB);
  Corner({S.Right - MR, S.Bottom - MB, S.Right, S.Bottom}, B.Right - MR, B.Bottom - MB);
}

TRect MarginsOf(const TSeSkinObject& Object) {
  return {Object.MarginLeft, Object.MarginTop, Object.MarginRight, Object.MarginBottom};
}

void AddTree(std::vector<TScenePiece>& Out, const TSeSkinObject& Object, const TRect& Bounds) {
  if (const auto* Box = dynamic_cast<const TSeBitmapBoxObject*>(&Object)) {
    if (Box->Bitmap && Box->Bitmap->IsValid())
      AddObject(Out, *Box->Bitmap, MarginsOf(*Box), Box->TileStyle, Box->BorderTileStyle,
                {Box->Bitmap->Masked, Box->Bitmap->Masked, Box->Bitmap->Masked}, Bounds);
  } else if (const auto* Plain = dynamic_cast<const TSeBitmapSkinObject*>(&Object)) {
    if (Plain->Bitmap && Plain->Bitmap->IsValid())
      AddObject(Out, *Plain->Bitmap, {}, Plain->TileStyle, Plain->TileStyle,
                {Plain->Bitmap->Masked, false, false}, Bounds);
  } else if (const auto* Framed = dynamic_cast<const TSeBitmapObject*>(&Object)) {
    if (Framed->Bitmap && Framed->Bitmap->IsValid())
      AddObject(
          Out, *Framed->Bitmap, MarginsOf(*Framed), Framed->TileStyle, Framed->BorderTileStyle,
          {Framed->Bitmap->Masked, Framed->Bitmap->MaskedBorder, Framed->Bitmap->MaskedAngles},
          Bounds);
  }
  for (int I = 0; I < Object.ChildCount(); ++I)
    AddTree(Out, *Object.GetChild(I), Bounds);
}

} // namespace

TSceneMode ModeOf(const TScenePiece& Piece) {
  if (Piece.Image->AlphaBlend)
    return Piece.Tiled || (Piece.Src.Width() == Piece.Dst.Width() &&
                           Piece.Src.Height() == Piece.Dst.Height())
               ? TSceneMode::Alpha
               : TSceneMode::AlphaScaled;
  return Piece.Transparent ? TSceneMode::ColorKey : TSceneMode::Copy;
}

std::unique_ptr<TSeSkinSource> LoadSkin(const std::string& Path) {
  std::ifstream File(Path, std::ios::binary);
  std::vector<uint8_t> Bytes((std::istreambuf_iterator<char>(File)),
                             std::istreambuf_iterator<char>());
  // The built-in skin's stored form puts its kind, 2, in front of the compressed file.
  const size_t Skip = !Bytes.empty() && Bytes[0] == 2 ? 1 : 0;
  TMemoryStream Stream(std::vector<uint8_t>(Bytes.begin() + static_cast<long>(Skip), Bytes.end()));
  auto Skin = std::make_unique<TSeSkinSource>();
  Skin->LoadFromStream(Stream);
  return Skin;
}

std::vector<TScenePiece> SkinScene(const TSeSkinSource& Skin, const TRect& Bounds) {
  std::vector<TScenePiece> Scene;
  for (int I = 0; I < Skin.ObjectCount(); ++I)
    AddTree(Scene, *Skin.GetObject(I), Bounds);
  return Scene;
}

std::vector<TScenePiece> PiecesOf(const std::vector<TScenePiece>& Scene, TSceneMode Mode) {
  std::vector<TScenePiece> Pieces;
  for (const TScenePiece& Piece : Scene)
    if (ModeOf(Piece) == Mode)
      Pieces.push_back(Piece);
  return Pieces;
}

int64_t CoveredPixels(const std::vector<TScenePiece>& Pieces) {
  int64_t Pixels = 0;
  for (const TScenePiece& Piece : Pieces)
    Pixels += int64_t{Piece.Dst.Width()} * Piece.Dst.Height();
  return Pixels;
}

void DrawPiece(const TScenePiece& Piece, TseBitmap& Target) {
  auto& Image = const_cast<TseBitmap&>(*Piece.Image);
  const bool Kept = Image.Transparent;
  Image.Transparent = Piece.Transparent;
  if (Piece.Tiled)
    Image.TileTo(Target, Piece.Dst, Piece.Src);
  else
    Image.DrawTo(Target, Piece.Dst, Piece.Src);
  Image.Transparent = Kept;
}
