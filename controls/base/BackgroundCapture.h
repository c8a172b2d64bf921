#pragma once
// The screen behind a window, kept for the frame's translucency and shadow: taken again
// whenever the window's screen rectangle changes, reusing for the part the window itself
// covered what was behind it before.

#include <windows.h>

#include <memory>

#include "gfx/Bitmap.h"
#include "toolkit/Types.h"

class TSeBackgroundCapture {
public:
  // Takes the screen behind ScreenRect unless that is the rectangle already held or capture
  // is blocked. Where the old rectangle and the new one meet, the screen shows Wnd itself
  // (when it is visible), so that part comes from the previous capture. True when the
  // capture now holds ScreenRect; without a screen device context the old one stays.
  bool Capture(HWND Wnd, const TRect& ScreenRect);
  void Clear();

  // The pixels, opaque, in the window's coordinates; null before the first capture.
  const TseBitmap* Bitmap() const { return FBitmap.get(); }
  const TRect& Rect() const { return FRect; }

  // While blocked (blocks nest) Capture keeps what it has.
  void Block() { ++FBlocks; }
  void Unblock() { --FBlocks; }
  bool Blocked() const { return FBlocks > 0; }

private:
  std::unique_ptr<TseBitmap> FBitmap;
  TRect FRect;
  int FBlocks = 0;
};

// Blocks a capture for the guard's life.
class TSeCaptureBlock {
public:
  explicit TSeCaptureBlock(TSeBackgroundCapture& Capture) : FCapture(Capture) { FCapture.Block(); }
  ~TSeCaptureBlock() { FCapture.Unblock(); }
  TSeCaptureBlock(const TSeCaptureBlock&) = delete;
  TSeCaptureBlock& operator=(const TSeCaptureBlock&) = delete;

private:
  TSeBackgroundCapture& FCapture;
};
