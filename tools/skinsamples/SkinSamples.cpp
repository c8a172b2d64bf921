#include "SkinSamples.h"

#include "skin/SkinFilters.h"
#include "skin/SkinKinds.h"
#include "skin/SkinObjectStream.h"
#include "skin/SkinRegistry.h"

namespace {

// Art-like pixels: smooth gradients with a little grain, a key-coloured hole in one corner
// and a soft (partly transparent) band along the bottom.
std::unique_ptr<TseBitmap> MakeArt(const std::string& Name, int W, int H, uint32_t Seed) {
  auto Bitmap = std::make_unique<TseBitmap>();
  Bitmap->Name = Name;
  Bitmap->SetSize(W, H);
  for (int Y = 0; Y < H; ++Y)
    for (int X = 0; X < W; ++X) {
      Seed = Seed * 1103515245u + 12345u;
      const uint32_t Grain = (Seed >> 16) & 7;
      const uint32_t R = (X * 255 / std::max(1, W - 1) + Grain) & 0xFF;
      const uint32_t G = (Y * 255 / std::max(1, H - 1)) & 0xFF;
      const uint32_t B = (128 + Grain * 4) & 0xFF;
      uint32_t Pixel = 0xFF000000u | R << 16 | G << 8 | B;
      if (X < 3 && Y < 3)
        Pixel = KeyColor;
      else if (Y == H - 1)
        Pixel = (Pixel & 0x00FFFFFFu) | 0x80000000u;
      *Bitmap->PixelPtr(X, Y) = Pixel;
    }
  return Bitmap;
}

template <class T> T* Add(TSeSkinObject& Parent, const std::string& Name) {
  auto Child = std::make_unique<T>(&Parent);
  Child->SetName(Name);
  T* Result = Child.get();
  Parent.InsertComponent(std::move(Child));
  return Result;
}

void Link(TseBitmapLink& Link, const std::string& Name, TRect Rect) {
  Link.Name = Name;
  Link.Rect = Rect;
}

std::vector<uint8_t> Save(TSeSkinFilter& Filter, TSeSkinSource& Source) {
  Filter.Source = &Source;
  TMemoryStream Stream;
  Filter.SaveToStream(Stream);
  return Stream.Bytes();
}

void PutInt32(std::vector<uint8_t>& Bytes, size_t At, uint32_t Value) {
  for (int I = 0; I < 4; ++I)
    Bytes[At + I] = static_cast<uint8_t>(Value >> (8 * I));
}

} // namespace

void BuildSampleSkin(TSeSkinSource& Source, int Side) {
  Source.Clear();
  Source.SkinName = "Mirevan Blue";
  Source.SkinVersion = "3.4.0";
  Source.Author = "Mirevan Team";
  Source.AuthorEMail = "skin@mirevan.example";
  Source.AuthorURL = "";
  Source.Bitmaps().Add(MakeArt("top", 184, 44, 1));
  Source.Bitmaps().Add(MakeArt("frame", 32, 32, 2));
  Source.Bitmaps().Add(MakeArt("client", Side, Side, 3));

  auto Form = std::make_unique<TSeSkinObject>(nullptr);
  Form->SetName("Form");
  Form->Kind = skForm;
  Form->SetBounds({0, 0, 300, 200});
  auto* Caption = Add<TSeActiveBitmap>(*Form, "Caption");
  Caption->Align = saMostTop;
  Caption->Kind = skCaption;
  Caption->SetHeight(22);
  Caption->MarginLeft = 8;
  Caption->MarginRight = 8;
  Link(*Caption->Bitmap, "top", {0, 0, 184, 22});
  Link(*Caption->ActiveBitmap, "top", {0, 22, 184, 44});
  Caption->ActiveFont.SetColor(clWhite);
  auto* Close = Add<TSeSystemButton>(*Caption, "Close");
  Close->Align = saTopRight;
  Close->Action = sbaClose;
  Close->SetBounds({276, 4, 292, 18});
  Link(*Close->Bitmap, "frame", {0, 0, 16, 14});
  Link(*Close->BitmapHot, "frame", {16, 0, 32, 14});
  auto* Title = Add<TSeTextObject>(*Caption, "Title");
  Title->Kind = skTitle;
  Title->Align = saClient;
  Title->TextEffect = teShadow;
  Title->FontHot.SetStyle(fsBold);
  auto* Client = Add<TSeBitmapObject>(*Form, "Client");
  Client->Kind = skClient;
  Client->Align = saClient;
  Client->TileStyle = tsStretch;
  Link(*Client->Bitmap, "client", {0, 0, Side, Side});
  Form->SetBounds({0, 0, 320, 240});
  Source.AddObject(std::move(Form));

  auto Button = std::make_unique<TSeButtonObject>(nullptr);
  Button->SetName("Button");
  Button->Color = clNone;
  Button->Font.SetName("Tahoma");
  Button->SetBounds({0, 0, 75, 25});
  Button->MarginLeft = Button->MarginTop = Button->MarginRight = Button->MarginBottom = 3;
  Link(*Button->Bitmap, "frame", {0, 14, 16, 30});
  Link(*Button->BitmapPressed, "frame", {16, 14, 32, 30});
  Source.AddObject(std::move(Button));

  // One of every further class, so that every reader path has something to read.
  auto Kinds = std::make_unique<TSeActiveObject>(nullptr);
  Kinds->SetName("Kinds");
  Kinds->ActiveColor = 0x00C08040;
  Add<TSeLinkSkinObject>(*Kinds, "Placeholder")->LinkControl = "lvList";
  Link(*Add<TSeBitmapSkinObject>(*Kinds, "Plain")->Bitmap, "frame", {0, 0, 8, 8});
  Link(*Add<TSeFormBitmapSkinObject>(*Kinds, "Inactive")->InactiveBitmap, "top", {0, 0, 10, 10});
  auto* Roller = Add<TSeSysButtonSkinObject>(*Kinds, "Roller");
  Roller->Action = sbaRollPanel;
  Roller->RollPanel = "Panel";
  Add<TSeActiveSkinObject>(*Kinds, "Lit")->ActiveFont.SetHeight(-13);
  auto* Colours = Add<TSeColorButtonObject>(*Kinds, "Colours");
  Colours->HotColor = clBtnFace;
  Colours->DisabledFont.SetColor(clGrayText);
  Add<TSeBitmapBoxObject>(*Kinds, "Box")->BorderTileStyle = tsCenter;
  Link(*Add<TSeActiveBitmapBoxObject>(*Kinds, "FocusBox")->FocusedBitmap, "frame", {0, 0, 4, 4});
  Link(*Add<TSeButtonBitmapBoxObject>(*Kinds, "ButtonBox")->BitmapHot, "frame", {4, 4, 8, 8});
  auto* Panel = Add<TSeRollPanelObject>(*Kinds, "Panel");
  Panel->RollKind = rkTop;
  Panel->RollValue = 20;
  Source.AddObject(std::move(Kinds));
  for (int I = 0; I < Source.ObjectCount(); ++I) {
    Source.GetObject(I)->SetBitmaps(&Source.Bitmaps());
    Source.GetObject(I)->ResolveLinks();
  }
}

std::vector<uint8_t> SampleSkinBytes(const std::string& Extension, int Side) {
  TSeSkinSource Source;
  BuildSampleSkin(Source, Side);
  const TSkinFilterClass* Class = FindSkinFilter("sample." + Extension);
  if (!Class)
    return {};
  return Save(*Class->Create(), Source);
}

std::vector<uint8_t> SampleStoredSkinBytes(int Side) {
  std::vector<uint8_t> Bytes = SampleSkinBytes("qzkn", Side);
  Bytes.insert(Bytes.begin(), 2);
  return Bytes;
}

std::vector<uint8_t> MakeBmp24(int Width, int Height, const std::vector<uint32_t>& Pixels) {
  const int Stride = (Width * 3 + 3) & ~3;
  std::vector<uint8_t> File(54 + static_cast<size_t>(Stride) * Height);
  File[0] = 'B';
  File[1] = 'M';
  PutInt32(File, 2, static_cast<uint32_t>(File.size()));
  PutInt32(File, 10, 54);
  PutInt32(File, 14, 40);
  PutInt32(File, 18, static_cast<uint32_t>(Width));
  PutInt32(File, 22, static_cast<uint32_t>(Height));
  File[26] = 1;
  File[28] = 24;
  for (int Y = 0; Y < Height; ++Y)
    for (int X = 0; X < Width; ++X) {
      const uint32_t Pixel = Pixels[static_cast<size_t>((Height - 1 - Y) * Width + X)];
      uint8_t* At = &File[54 + static_cast<size_t>(Y) * Stride + X * 3];
      At[0] = static_cast<uint8_t>(Pixel);
      At[1] = static_cast<uint8_t>(Pixel >> 8);
      At[2] = static_cast<uint8_t>(Pixel >> 16);
    }
  return File;
}

std::vector<uint8_t> SampleLegacyMaxSkinBytes() {
  TSeSkinSource Source;
  BuildSampleSkin(Source);
  // The max body by hand: the same header and objects, bitmaps as BMP file images.
  TMemoryStream Body;
  for (const std::string* Text : {&Source.SkinName, &Source.SkinVersion, &Source.Author,
                                  &Source.AuthorEMail, &Source.AuthorURL})
    WriteString(Body, *Text);
  Body.WriteInt32(2);
  const std::vector<uint32_t> Stripes = {0x7F007F, 0x82047D, 0x850000, 0xFFFFFF,
                                         0x000000, 0x123456, 0xABCDEF, 0x7F007F};
  WriteString(Body, "frame");
  std::vector<uint8_t> Image = MakeBmp24(4, 2, Stripes);
  Body.WriteInt32(static_cast<int32_t>(Image.size()));
  Body.WriteBuffer(Image.data(), static_cast<int64_t>(Image.size()));
  WriteString(Body, "top");
  Image = MakeBmp24(1, 1, {0x336699});
  Body.WriteInt32(static_cast<int32_t>(Image.size()));
  Body.WriteBuffer(Image.data(), static_cast<int64_t>(Image.size()));
  Body.WriteInt32(Source.ObjectCount());
  for (int I = 0; I < Source.ObjectCount(); ++I)
    WriteSkinObjectBinary(Body, *Source.GetObject(I));
  TMemoryStream File;
  File.WriteBuffer("QZLZ", 4);
  {
    TCompressionStream Deflater(TCompressionLevel::clMax, File);
    Deflater.WriteBuffer(Body.Bytes().data(), Body.Size());
  }
  return File.Bytes();
}
