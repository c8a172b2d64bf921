#include "gfx/Animation.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "gfx/EffectProcs.h"
#include "gfx/PixelRows.h"
#include "gfx/Pixels.h"

#ifdef _WIN32
#include <windows.h>
#endif

// ---------------------------------------------------------------------------------------
// TseAnimationRec

TseAnimationRec::TseAnimationRec(TComponent* AOwner) : TComponent(AOwner) {}

void TseAnimationRec::SetTime(int32_t Value) {
  if (Value == FTime)
    return;
  FTime = std::clamp(Value, 50, 9000);
}

void TseAnimationRec::SetResolution(int32_t Value) { FResolution = std::clamp(Value, 1, 10); }

void TseAnimationRec::SetTileCount(int32_t Value) { FTileCount = std::clamp(Value, 1, 20); }

void TseAnimationRec::SetBitmap(const TseBitmap& Value) {
  auto Copy = std::make_unique<TseBitmap>();
  Copy->Assign(Value);
  FBitmap = std::move(Copy);
}

void TseAnimationRec::Assign(const TPersistent& Source) {
  if (const auto* Other = dynamic_cast<const TseAnimationRec*>(&Source)) {
    FEnabled = Other->FEnabled;
    FTime = Other->FTime;
    FResolution = Other->FResolution;
    FTileCount = Other->FTileCount;
    FEffect = Other->FEffect;
    FRotation = Other->FRotation;
    SetBitmap(*Other->FBitmap);
    return;
  }
  TComponent::Assign(Source);
}

// ---------------------------------------------------------------------------------------
// TseTimer

int64_t TseTimer::Read() {
#ifdef _WIN32
  LARGE_INTEGER Count;
  QueryPerformanceCounter(&Count);
  return Count.QuadPart;
#else
  return std::chrono::steady_clock::now().time_since_epoch().count();
#endif
}

TseTimer::TseTimer() {
  const int64_t First = Read();
  FOverhead = Read() - First;
#ifdef _WIN32
  LARGE_INTEGER Frequency;
  QueryPerformanceFrequency(&Frequency);
  FFrequency = Frequency.QuadPart;
#else
  FFrequency = std::chrono::steady_clock::period::den / std::chrono::steady_clock::period::num;
#endif
}

float TseTimer::ElapsedSeconds() {
  FStopCount = Read();
  return static_cast<float>(FStopCount - FStartCount - FOverhead) / static_cast<float>(FFrequency);
}

// ---------------------------------------------------------------------------------------
// TseTransition

TseTransition::TseTransition(const TseAnimationRec& Settings, TseBitmap& NewImage,
                             const TseBitmap& OldImage)
    : FSettings(Settings), FNewImage(NewImage), FOldImage(OldImage) {
  if (NewImage.Empty() || OldImage.Empty())
    return;
  std::string Name = Settings.Effect();
  TseProcList& Procs = EffectProcs();
  if (Name == RandomEffectName && Procs.Count() > 0)
    Name = Procs.Items(static_cast<int>(RandomNumber(static_cast<uint32_t>(Procs.Count())))).Name;
  FEntry = Procs.FindProc(Name);
  const bool Wipe = Settings.Effect() == BitmapEffectName;
  if (!Wipe && (!FEntry || !FEntry->HasProc()))
    return;
  if (Wipe)
    FEntry = nullptr;

  FWork = std::make_unique<TseBitmap>();
  FWork->SetSize(OldImage.Width(), OldImage.Height());
  FCols = OldImage.Width() / Settings.Resolution() / Settings.TileCount() + 1;
  FRows = OldImage.Height() / Settings.Resolution() / Settings.TileCount() + 1;
  const size_t Cells = static_cast<size_t>(FCols) * static_cast<size_t>(FRows);
  const bool Turned = Settings.Rotation() == qrRotate90 || Settings.Rotation() == qrRotate270;
  if (Wipe) {
    FMask.assign(Cells, 0);
    // The map, stretched to the grid (turned grids take it turned), read from its blue
    // bytes in storage order.
    TseBitmap Map;
    Map.SetSize(Turned ? FRows : FCols, Turned ? FCols : FRows);
    if (!Settings.Bitmap().Empty())
      Settings.Bitmap().DrawTo(Map, Map.BoundsRect(), Settings.Bitmap().BoundsRect());
    FWipe.resize(Cells);
    for (size_t I = 0; I < Cells; ++I)
      FWipe[I] = static_cast<uint8_t>(Map.Bits()[I]);
  } else if (FEntry->Kind == pkFade) {
    FMask.assign(Cells, 0);
    // The plain fade's one value needs no turning (ComposeFade).
    if (Settings.Rotation() != qrNone && FEntry->Fade != FadeProc)
      FTurned.assign(Cells, 0);
  } else if (FEntry->Kind == pkSlide) {
    FCells.assign(Cells, TseSlideCell{});
  }
  FReady = true;
}

void TseTransition::Compose(int32_t Percent) {
  if (!FReady)
    return;
  // Masks put the old image under the new one themselves (ApplyMask).
  if (!FEntry) {
    ComposeBitmap(Percent);
  } else if (FEntry->Kind == pkFade) {
    ComposeFade(Percent);
  } else if (FEntry->Kind == pkSlide) {
    FOldImage.DrawTo(*FWork, 0, 0);
    ComposeSlide(Percent);
  } else {
    FOldImage.DrawTo(*FWork, 0, 0);
    ClearKeyAlpha(FNewImage.Bits(), FNewImage.Width() * FNewImage.Height(), KeyColor);
    FEntry->Manual(*FWork, FNewImage, FSettings, Percent);
  }
}

void TseTransition::ComposeFade(int32_t Percent) {
  FUniformCell.reset();
  if (FEntry->Fade == FadeProc) {
    // The plain fade gives every cell one value, turned or not: it is worked out on one cell.
    uint8_t Cell = 0;
    FEntry->Fade(&Cell, 1, 1, Percent);
    ApplyUniformMask(Cell);
    return;
  }
  std::fill(FMask.begin(), FMask.end(), 0);
  const int32_t C = FCols, R = FRows;
  switch (FSettings.Rotation()) {
  case qrNone:
    FEntry->Fade(FMask.data(), C, R, Percent);
    break;
  case qrRotate90:
  case qrRotate270:
  case qrRotate180: {
    std::fill(FTurned.begin(), FTurned.end(), 0);
    const bool Swap = FSettings.Rotation() != qrRotate180;
    FEntry->Fade(FTurned.data(), Swap ? R : C, Swap ? C : R, Percent);
    for (int32_t Y = 0; Y < R; ++Y)
      for (int32_t X = 0; X < C; ++X) {
        size_t From;
        if (FSettings.Rotation() == qrRotate90)
          From = static_cast<size_t>(R - 1 - Y) + static_cast<size_t>(X) * R;
        else if (FSettings.Rotation() == qrRotate180)
          From = static_cast<size_t>(C - 1 - X) + static_cast<size_t>(R - 1 - Y) * C;
        else
          From = static_cast<size_t>(Y) + static_cast<size_t>(C - 1 - X) * R;
        FMask[static_cast<size_t>(X) + static_cast<size_t>(Y) * C] = FTurned[From];
      }
    break;
  }
  }
  ApplyMask();
}

void TseTransition::ComposeBitmap(int32_t Percent) {
  const int32_t C = FCols, R = FRows;
  const int32_t Shift = MulDivRound(510, Percent, 100) - 255;
  for (int32_t Y = 0; Y < R; ++Y)
    for (int32_t X = 0; X < C; ++X) {
      size_t Index;
      switch (FSettings.Rotation()) {
      case qrRotate90:
        Index = static_cast<size_t>(R) * X + Y;
        break;
      case qrRotate180:
        Index = static_cast<size_t>(C) * (R - Y) - X - 1;
        break;
      case qrRotate270:
        Index = static_cast<size_t>(R) * (X + 1) - Y - 1;
        break;
      default:
        Index = static_cast<size_t>(X) + static_cast<size_t>(C) * Y;
        break;
      }
      FMask[static_cast<size_t>(X) + static_cast<size_t>(Y) * C] =
          static_cast<uint8_t>(std::clamp(FWipe[Index] + Shift, 0, 255));
    }
  ApplyMask();
}

const std::vector<uint8_t>& TseTransition::Mask() const {
  if (FUniformCell) {
    std::fill(FMask.begin(), FMask.end(), *FUniformCell);
    FUniformCell.reset();
  }
  return FMask;
}

// One mask cell per pixel and the old image copied as it is: alpha, key holes and the blend
// over the old image can go in one pass per row, with the same result as ApplyMask's steps.
bool TseTransition::OneToOne() const {
  return FSettings.Resolution() == 1 && FSettings.TileCount() == 1 &&
         FNewImage.Width() == FOldImage.Width() && FNewImage.Height() == FOldImage.Height() &&
         FOldImage.DrawsAsCopy();
}

void TseTransition::ApplyUniformMask(uint8_t Value) {
  if (!OneToOne()) {
    std::fill(FMask.begin(), FMask.end(), Value);
    ApplyMask();
    return;
  }
  // One alpha: the three surfaces' rows follow each other alike, so all go as one row. The
  // mask itself is filled only when asked for.
  PixelRows().FadeBlendRow(FWork->Bits(), FNewImage.Bits(), FOldImage.Bits(), Value,
                           static_cast<size_t>(FNewImage.Width()) * FNewImage.Height());
  FNewImage.AlphaBlend = true;
  FUniformCell = Value;
}

// The mask scaled into every tile of the new image's alpha bytes (tiles and mask rows counted
// from the bottom row, as the picture is stored), then the new image blended over the work.
void TseTransition::ApplyMask() {
  const int32_t W = FNewImage.Width(), H = FNewImage.Height();
  TsePixel* Pixels = FNewImage.Bits();
  if (OneToOne()) {
    const TPixelRowFunctions& Rows = PixelRows();
    for (int32_t Row = 0; Row < H; ++Row) {
      TsePixel* Line = Pixels + static_cast<int64_t>(Row) * W;
      const uint8_t* Cells = FMask.data() + static_cast<int64_t>(Row) * FCols;
      const int64_t Offset = static_cast<int64_t>(Row) * W;
      Rows.MaskBlendRow(FWork->Bits() + Offset, Line, FOldImage.Bits() + Offset, Cells,
                        static_cast<size_t>(W));
    }
    FNewImage.AlphaBlend = true;
    return;
  }
  FOldImage.DrawTo(*FWork, 0, 0);
  const int32_t Resolution = FSettings.Resolution();
  const int32_t TileWidth = FCols * Resolution, TileHeight = FRows * Resolution;
  const TRect Grid{0, 0, FCols, FRows};
  for (int32_t J = 0; J < FSettings.TileCount(); ++J)
    for (int32_t I = 0; I < FSettings.TileCount(); ++I) {
      const TRect Tile{I * TileWidth, J * TileHeight, (I + 1) * TileWidth, (J + 1) * TileHeight};
      const TRect Visible = IntersectRect(Tile, {0, 0, W, H});
      if (Visible.IsEmpty())
        continue;
      const TSampling Sampling = MakeSampling(Grid, Tile, Visible);
      int64_t AccY = Sampling.StartY;
      for (int32_t Row = Visible.Top; Row < Visible.Bottom; ++Row, AccY += Sampling.StepY) {
        const uint8_t* MaskRow = FMask.data() + std::min<int64_t>(AccY >> 16, FRows - 1) * FCols;
        TsePixel* Line = Pixels + static_cast<int64_t>(Row) * W;
        if (Sampling.StepX == 65536) {
          // One mask cell per pixel: a straight run the compiler vectorises.
          const int32_t First = Sampling.StartX >> 16;
          const int32_t Count = std::min(Visible.Width(), FCols - First);
          const uint8_t* Cells = MaskRow + First;
          TsePixel* Run = Line + Visible.Left;
          for (int32_t I = 0; I < Count; ++I)
            Run[I] = (Run[I] & 0x00FFFFFF) | static_cast<TsePixel>(Cells[I]) << 24;
          continue;
        }
        int64_t AccX = Sampling.StartX;
        for (int32_t X = Visible.Left; X < Visible.Right; ++X, AccX += Sampling.StepX)
          Line[X] = (Line[X] & 0x00FFFFFF) |
                    static_cast<TsePixel>(MaskRow[std::min<int64_t>(AccX >> 16, FCols - 1)]) << 24;
      }
    }
  ClearKeyAlpha(Pixels, W * H, KeyColor);
  FNewImage.AlphaBlend = true;
  FNewImage.DrawTo(*FWork, 0, 0);
}

namespace {

// Where cell (CX, CY) of a C by R grid lies in the grid the slide procedure made turned by
// Rotation (R by C for a quarter turn).
size_t TurnedCellIndex(TseRotation Rotation, int32_t CX, int32_t CY, int32_t C, int32_t R) {
  switch (Rotation) {
  case qrRotate90:
    return static_cast<size_t>(CY) + static_cast<size_t>(R) * (C - CX - 1);
  case qrRotate180:
    return static_cast<size_t>(C - 1 - CX) + static_cast<size_t>(C) * (R - 1 - CY);
  case qrRotate270:
    return static_cast<size_t>(R - 1 - CY) + static_cast<size_t>(R) * CX;
  default:
    return static_cast<size_t>(CX) + static_cast<size_t>(C) * CY;
  }
}

// The source cell a turned grid's Cell names, turned back into the C by R grid.
void TurnedSource(TseRotation Rotation, const TseSlideCell& Cell, int32_t C, int32_t R,
                  int32_t& SX, int32_t& SY) {
  switch (Rotation) {
  case qrRotate90:
    SX = C - 1 - Cell.SourceY, SY = Cell.SourceX;
    return;
  case qrRotate180:
    SX = C - 1 - Cell.SourceX, SY = R - 1 - Cell.SourceY;
    return;
  case qrRotate270:
    SX = Cell.SourceY, SY = R - 1 - Cell.SourceX;
    return;
  default:
    SX = Cell.SourceX, SY = Cell.SourceY;
    return;
  }
}

} // namespace

void TseTransition::ComposeSlide(int32_t Percent) {
  std::fill(FCells.begin(), FCells.end(), TseSlideCell{});
  const int32_t C = FCols, R = FRows;
  const TseRotation Rotation = FSettings.Rotation();
  const bool Swap = Rotation == qrRotate90 || Rotation == qrRotate270;
  FEntry->Slide(FCells.data(), Swap ? R : C, Swap ? C : R, Percent);

  const int32_t Resolution = FSettings.Resolution(), Tiles = FSettings.TileCount();
  const int32_t TileWidth = FWork->Width() / Tiles, TileHeight = FWork->Height() / Tiles;
  const int32_t W = FNewImage.Width(), H = FNewImage.Height();
  const int32_t TargetW = std::min(W, FWork->Width()), TargetH = std::min(H, FWork->Height());
  for (int32_t TileX = 0; TileX < Tiles; ++TileX)
    for (int32_t TileY = 0; TileY < Tiles; ++TileY) {
      const int32_t OX = (TileWidth + 1) * TileX, OY = (TileHeight + 1) * TileY;
      for (int32_t CY = 0; CY < R; ++CY)
        for (int32_t CX = 0; CX < C; ++CX) {
          // The generated grid read turned, and the source cell turned with it.
          const TseSlideCell& Cell = FCells[TurnedCellIndex(Rotation, CX, CY, C, R)];
          int32_t SX, SY;
          TurnedSource(Rotation, Cell, C, R, SX, SY);
          const uint8_t Alpha = Cell.Alpha;
          // A cell of alpha 0 shows the old image, and leaves the new one untouched.
          if (Alpha == 0)
            continue;
          // Pixel (I, J) of the cell's span (both ends included) shows source pixel
          // (I + DX, J + DY); the spans are cut once to what stays inside the target, the new
          // image and the tile.
          const int32_t DX = OX + (SX - CX) * Resolution, DY = OY + (SY - CY) * Resolution;
          const int32_t FirstI = std::max({CX * Resolution, -OX, OX - DX, -DX});
          const int32_t LastI = std::min(
              {(CX + 1) * Resolution, TargetW - 1 - OX, W - 1 - DX, OX + TileWidth + 1 - DX});
          const int32_t FirstJ = std::max({CY * Resolution, -OY, OY - DY, -DY});
          const int32_t LastJ = std::min(
              {(CY + 1) * Resolution, TargetH - 1 - OY, H - 1 - DY, OY + TileHeight + 1 - DY});
          for (int32_t J = FirstJ; J <= LastJ; ++J) {
            TsePixel* SourceRow = FNewImage.PixelPtr(0, J + DY);
            TsePixel* Target = FWork->PixelPtr(OX, OY + J);
            for (int32_t I = FirstI; I <= LastI; ++I) {
              TsePixel& Source = SourceRow[I + DX];
              if (PixelAlpha(Source) == 0)
                continue;
              if (Alpha == 255) {
                Target[I] = Source;
              } else {
                Source = (Source & 0x00FFFFFF) | static_cast<TsePixel>(Alpha) << 24;
                Target[I] = BlendPixel(Source, Target[I]);
              }
            }
          }
        }
    }
}

void TseTransition::Play(const TFrameSink& Show) {
  TseTimer Timer;
  Timer.Start();
  Play(Show, [&Timer] { return static_cast<double>(Timer.ElapsedSeconds()) * 1000.0; });
}

void TseTransition::Play(const TFrameSink& Show, const TClock& Now) {
  if (!FReady)
    return;
  const float Time = static_cast<float>(FSettings.Time());
  const double Start = Now();
  float Elapsed = 0.01f;
  while (Time > Elapsed) {
    const int32_t Percent =
        std::min(static_cast<int32_t>(std::nearbyint(Elapsed / Time * 100.0f)), 100);
    Compose(Percent);
    Show(*FWork);
    Elapsed = 0.01f + static_cast<float>(Now() - Start);
  }
  Compose(100);
  Show(FNewImage);
}

void PlayAnimation(const TseAnimationRec& Settings, TseBitmap& NewImage, const TseBitmap& OldImage,
                   const TseTransition::TFrameSink& Show) {
  TseTransition Transition(Settings, NewImage, OldImage);
  Transition.Play(Show);
}

#ifdef _WIN32
void PlayAnimation(HDC DC, int32_t X, int32_t Y, const TseAnimationRec& Settings,
                   TseBitmap& NewImage, const TseBitmap& OldImage) {
  // Flushed frame by frame, so that the time a frame takes to reach the device counts.
  PlayAnimation(Settings, NewImage, OldImage, [&](const TseBitmap& Frame) {
    Frame.Draw(DC, X, Y);
    GdiFlush();
  });
}
#endif
