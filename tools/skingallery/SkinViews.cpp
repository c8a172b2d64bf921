#include "SkinViews.h"

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "gfx/SkinText.h"
#include "skin/SkinFilters.h"
#include "skin/SkinObjects.h"
#include "skin/SkinRegistry.h"
#include "toolkit/Graphics.h"

namespace {

constexpr uint32_t DefaultBackdrop = 0xE4E8EE;
constexpr int Gap = 6;
constexpr TSeState States[] = {osNormal, osHot, osPressed, osFocused, osDisabled};

// Sample texts, so that fonts show.
void Label(TSeSkinObject& Object) {
  if (Object.Kind == skTitle)
    Object.Text = L"Mirevan";
  else if (Object.Name() == "Text" || Object.Name() == "Item" || Object.Name() == "Tab" ||
           Object.Name() == "Caption" || Object.Name() == "Hint" || Object.Name() == "Label")
    Object.Text = L"Sample";
  for (int I = 0; I < Object.ChildCount(); ++I)
    Label(*Object.GetChild(I));
}

// A normal window with the usual icons (system menu, minimize, maximize, close) shows no
// restore, roll, help or tray button; only a skinned form tells the buttons so, and the
// views have none.
void HideUnusedCaptionButtons(TSeSkinObject& Object) {
  if (auto* Button = dynamic_cast<TSeSystemButton*>(&Object)) {
    for (TSeAction Hidden : {sbaRestore, sbaRollUp, sbaRollDown, sbaHelp, sbaTray})
      if (Button->Action == Hidden)
        Button->Visible = false;
  }
  for (int I = 0; I < Object.ChildCount(); ++I)
    HideUnusedCaptionButtons(*Object.GetChild(I));
}

// A plain object without fill or children: only its sizes and margins count (the track
// bar reads its metrics so), and a view of it would be empty.
bool DrawsNothing(const TSeSkinObject& Part) {
  return Part.ClassName() == "TSeSkinObject" && Part.Color == clNone && Part.ChildCount() == 0;
}

TSkinPicture Draw(const TSeSkinObject& Template, int Width, int Height, TSeState State, bool Active,
                  bool HideLoose, uint32_t Backdrop) {
  auto Copy = CloneSkinObject(Template, nullptr);
  Label(*Copy);
  HideUnusedCaptionButtons(*Copy);
  if (HideLoose) // parts the controls place themselves are shown one by one instead
    for (int I = 0; I < Copy->ChildCount(); ++I)
      if (Copy->GetChild(I)->Align == saNone)
        Copy->GetChild(I)->Visible = false;
  Copy->SetBounds({0, 0, Width, Height});
  Copy->SetActive(Active);
  Copy->SetState(State);
  TseBitmap Surface;
  Surface.SetSize(Width, Height);
  Surface.Clear(0xFF000000 | Backdrop);
  TCanvas Canvas(Surface.DC());
  Copy->Draw(Canvas);
  return PictureOf(Surface);
}

// Pictures side by side, tops aligned, on the backdrop.
// Pictures placed left to right, on as many lines as keep each within MaxWidth, on the
// backdrop.
constexpr int MaxWidth = 1400;

TSkinPicture Row(const std::vector<TSkinPicture>& Pictures, uint32_t Backdrop) {
  struct TPlace {
    int Left, Top;
  };
  std::vector<TPlace> Places;
  int Left = 0, Top = 0, LineHeight = 0, Width = 1;
  for (const TSkinPicture& Picture : Pictures) {
    if (Left > 0 && Left + Picture.Width > MaxWidth) {
      Left = 0;
      Top += LineHeight + Gap;
      LineHeight = 0;
    }
    Places.push_back({Left, Top});
    Left += Picture.Width + Gap;
    Width = std::max(Width, Left - Gap);
    LineHeight = std::max(LineHeight, Picture.Height);
  }
  TSkinPicture Result{Width, std::max(Top + LineHeight, 1), {}};
  Result.Pixels.assign(static_cast<size_t>(Result.Width) * Result.Height, Backdrop);
  for (size_t I = 0; I < Pictures.size(); ++I) {
    const TSkinPicture& Picture = Pictures[I];
    for (int Y = 0; Y < Picture.Height; ++Y)
      std::copy_n(Picture.Pixels.begin() + static_cast<long>(Y) * Picture.Width, Picture.Width,
                  Result.Pixels.begin() + static_cast<long>(Places[I].Top + Y) * Result.Width +
                      Places[I].Left);
  }
  return Result;
}

void AddStates(std::vector<TSkinPicture>& Views, const TSeSkinObject& Object, int Width, int Height,
               bool HideLoose, uint32_t Backdrop) {
  for (const TSize Size : {TSize{Width, Height}, TSize{Width * 3 / 2 + 8, Height * 3 / 2 + 4}})
    for (TSeState State : States)
      Views.push_back(Draw(Object, Size.Width, Size.Height, State, true, HideLoose, Backdrop));
}

} // namespace

void LoadSkin(const std::string& FileName, TSeSkinSource& Skin) {
  if (FindSkinFilter(FileName)) {
    Skin.LoadFromFile(FileName);
  } else {
    std::ifstream In(FileName, std::ios::binary);
    const std::vector<uint8_t> Bytes{std::istreambuf_iterator<char>(In),
                                     std::istreambuf_iterator<char>()};
    if (!Bytes.empty() && Bytes[0] != 0) {
      TMemoryStream Stream(std::vector<uint8_t>(Bytes.begin() + 1, Bytes.end()));
      Skin.LoadFromStream(Stream);
    }
  }
  if (Skin.ObjectCount() == 0)
    throw std::runtime_error("no skin in " + FileName);
}

uint32_t SkinBackdrop(const TSeSkinSource& Skin) {
  const TSeSkinObject* Form = Skin.GetFormObject();
  if (!Form || Form->Color < 0 || Form->Color > 0xFFFFFF)
    return DefaultBackdrop;
  const auto Color = static_cast<uint32_t>(Form->Color); // 0x00BBGGRR
  return (Color & 0xFF) << 16 | (Color & 0xFF00) | (Color >> 16 & 0xFF);
}

TSkinPicture PictureOf(const TseBitmap& Surface) {
  GdiFlush();
  const int Width = Surface.Width(), Height = Surface.Height();
  TSkinPicture Picture{Width, Height, std::vector<uint32_t>(static_cast<size_t>(Width) * Height)};
  for (int Y = 0; Y < Height; ++Y)
    for (int X = 0; X < Width; ++X)
      Picture.Pixels[static_cast<size_t>(Y) * Width + X] = Surface.GetPixel(X, Y) & 0xFFFFFF;
  return Picture;
}

TSkinPicture RenderObjectStrip(const TSeSkinObject& Object, uint32_t Backdrop) {
  std::vector<TSkinPicture> Views;
  if (Object.Kind == skForm) {
    for (const TSize Size : {TSize{Object.Width(), Object.Height()},
                             TSize{Object.Width() + 120, Object.Height() + 70}})
      for (const bool Active : {true, false})
        Views.push_back(Draw(Object, Size.Width, Size.Height, osNormal, Active, false, Backdrop));
    return Row(Views, Backdrop);
  }
  AddStates(Views, Object, Object.Width(), Object.Height(), true, Backdrop);
  for (int I = 0; I < Object.ChildCount(); ++I) {
    const TSeSkinObject& Part = *Object.GetChild(I);
    if (Part.Align != saNone || DrawsNothing(Part))
      continue;
    AddStates(Views, Part, Part.Width() > 0 ? Part.Width() : Object.Width(),
              Part.Height() > 0 ? Part.Height() : Object.Height(), false, Backdrop);
  }
  return Row(Views, Backdrop);
}

TSkinPicture RenderGallery(const TSeSkinSource& Skin) {
  constexpr int LabelWidth = 110;
  std::vector<TSkinPicture> Strips;
  int Width = 0, Height = Gap;
  for (int I = 0; I < Skin.ObjectCount(); ++I) {
    Strips.push_back(RenderObjectStrip(*Skin.GetObject(I), SkinBackdrop(Skin)));
    Width = std::max(Width, LabelWidth + Strips.back().Width + 2 * Gap);
    Height += Strips.back().Height + 2 * Gap;
  }
  TseBitmap Sheet;
  Sheet.SetSize(Width, Height);
  Sheet.Clear(0xFFFFFFFF);
  TCanvas Canvas(Sheet.DC());
  Canvas.Font.SetName("Tahoma");
  Canvas.Font.SetStyle(fsBold);
  Canvas.Font.SetColor(0x33291F);
  int Top = Gap;
  for (int I = 0; I < Skin.ObjectCount(); ++I) {
    const TSkinPicture& Strip = Strips[static_cast<size_t>(I)];
    const std::string& Name = Skin.GetObject(I)->Name();
    TRect Area{Gap, Top, LabelWidth, Top + 20};
    DrawSkinText(Canvas, std::wstring(Name.begin(), Name.end()), Area,
                 DT_SINGLELINE | DT_LEFT | DT_TOP);
    GdiFlush();
    for (int Y = 0; Y < Strip.Height; ++Y)
      for (int X = 0; X < Strip.Width; ++X)
        *Sheet.PixelPtr(LabelWidth + Gap + X, Top + Y) =
            0xFF000000 | Strip.Pixels[static_cast<size_t>(Y) * Strip.Width + X];
    Top += Strip.Height + 2 * Gap;
  }
  GdiFlush();
  TSkinPicture Picture{Width, Height, std::vector<uint32_t>(static_cast<size_t>(Width) * Height)};
  for (int Y = 0; Y < Height; ++Y)
    for (int X = 0; X < Width; ++X)
      Picture.Pixels[static_cast<size_t>(Y) * Width + X] = Sheet.GetPixel(X, Y) & 0xFFFFFF;
  return Picture;
}
