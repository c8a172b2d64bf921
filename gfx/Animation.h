#pragma once
// Transitions from the picture that was on screen to a window's own: the settings record,
// the stopwatch, and the player that composes the frames.

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "gfx/Bitmap.h"
#include "gfx/Effects.h"
#include "toolkit/Classes.h"

#ifdef _WIN32
#include <windows.h>
#endif

enum TseRotation : uint8_t { qrNone = 0, qrRotate90 = 1, qrRotate180 = 2, qrRotate270 = 3 };

class TseAnimationRec : public TComponent {
public:
  explicit TseAnimationRec(TComponent* AOwner = nullptr);
  std::string ClassName() const override { return "TseAnimationRec"; }
  void Assign(const TPersistent& Source) override;

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value) { FEnabled = Value; }
  // Milliseconds, 50..9000.
  int32_t Time() const { return FTime; }
  void SetTime(int32_t Value);
  // Pixels per mask cell, 1..10.
  int32_t Resolution() const { return FResolution; }
  void SetResolution(int32_t Value);
  // Repetitions of the mask per axis, 1..20.
  int32_t TileCount() const { return FTileCount; }
  void SetTileCount(int32_t Value);
  const std::string& Effect() const { return FEffect; }
  void SetEffect(const std::string& Value) { FEffect = Value; }
  TseRotation Rotation() const { return FRotation; }
  void SetRotation(TseRotation Value) { FRotation = Value; }
  // The wipe map of the bitmap pseudo-effect (its contents are copied in).
  const TseBitmap& Bitmap() const { return *FBitmap; }
  void SetBitmap(const TseBitmap& Value);

private:
  bool FEnabled = false;
  int32_t FTime = 400;
  int32_t FResolution = 1;
  int32_t FTileCount = 1;
  std::string FEffect = RandomEffectName;
  TseRotation FRotation = qrNone;
  std::unique_ptr<TseBitmap> FBitmap = std::make_unique<TseBitmap>();
};

// A stopwatch over the high-resolution counter (a steady clock off Windows), with the cost
// of reading the counter subtracted.
class TseTimer {
public:
  TseTimer();
  void Start() { FStartCount = Read(); }
  float ElapsedSeconds();
  int64_t Frequency() const { return FFrequency; }

private:
  static int64_t Read();
  int64_t FStartCount = 0;
  int64_t FStopCount = 0;
  int64_t FFrequency = 1;
  int64_t FOverhead = 0;
};

// One transition: the effect chosen, the work surface and buffers made. Compose puts the
// frame for a percentage into Work(); Play runs the timed loop.
class TseTransition {
public:
  // Ready() is false when there is nothing to play: an image missing or without area, or
  // an unknown effect.
  TseTransition(const TseAnimationRec& Settings, TseBitmap& NewImage, const TseBitmap& OldImage);
  bool Ready() const { return FReady; }
  // The chosen effect, or null for the bitmap wipe.
  const TseProcItem* Entry() const { return FEntry; }
  int32_t Cols() const { return FCols; }
  int32_t Rows() const { return FRows; }
  const TseBitmap& Work() const { return *FWork; }
  // The last frame's mask. The plain fade's is one value throughout, written out only here.
  const std::vector<uint8_t>& Mask() const;

  // The old image, then the frame for Percent over it, into Work().
  void Compose(int32_t Percent);

  // Every frame goes to Show as soon as it is composed, the first at 0 %, each later one at
  // the share of Time gone since the first began (composing and showing both count, so the
  // transition lasts its Time however slow the screen is); then once more composed at 100 %
  // and, last, Show gets the new image itself.
  using TFrameSink = std::function<void(const TseBitmap& Frame)>;
  void Play(const TFrameSink& Show);
  // The same timed by Now, milliseconds from any fixed origin (TseTimer for the other form).
  using TClock = std::function<double()>;
  void Play(const TFrameSink& Show, const TClock& Now);

private:
  void ComposeFade(int32_t Percent);
  void ComposeBitmap(int32_t Percent);
  void ComposeSlide(int32_t Percent);
  bool OneToOne() const;
  // The plain fade's frame, every cell of its mask Value.
  void ApplyUniformMask(uint8_t Value);
  void ApplyMask();

  const TseAnimationRec& FSettings;
  TseBitmap& FNewImage;
  const TseBitmap& FOldImage;
  bool FReady = false;
  const TseProcItem* FEntry = nullptr;
  int32_t FCols = 0;
  int32_t FRows = 0;
  std::unique_ptr<TseBitmap> FWork;
  mutable std::vector<uint8_t> FMask;
  mutable std::optional<uint8_t> FUniformCell; // every cell of FMask, not yet written there
  std::vector<uint8_t> FTurned;                // the generated mask before a rotation
  std::vector<uint8_t> FWipe;                  // the bitmap wipe map
  std::vector<TseSlideCell> FCells;
};

// Plays one transition from OldImage to NewImage; Show receives each frame and finally the
// new image.
void PlayAnimation(const TseAnimationRec& Settings, TseBitmap& NewImage, const TseBitmap& OldImage,
                   const TseTransition::TFrameSink& Show);
#ifdef _WIN32
// The same on a device at (X, Y).
void PlayAnimation(HDC DC, int32_t X, int32_t Y, const TseAnimationRec& Settings,
                   TseBitmap& NewImage, const TseBitmap& OldImage);
#endif
