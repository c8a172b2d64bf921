// Surfaces drawn onto platform devices.

#include "gfx/Bitmap.h"
#include "toolkit/OsVersion.h"
#include "toolkit/SystemLibrary.h"

namespace {

using TTransparentBltProc = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, UINT);

// The transparent block transfer of msimg32, looked up once when the program starts (on the
// NT family from version 5) and released at its end.
class TMsimg32 {
public:
  TMsimg32() {
    const TOsVersion Version = OsVersion();
    if (Version.PlatformId != VER_PLATFORM_WIN32_NT || Version.Major < 5)
      return;
    FModule = LoadSystemLibrary(L"msimg32.dll");
    if (FModule)
      FProc = LibraryProc<TTransparentBltProc>(FModule, "TransparentBlt");
  }
  ~TMsimg32() {
    if (FModule)
      FreeLibrary(FModule);
  }
  TMsimg32(const TMsimg32&) = delete;
  TMsimg32& operator=(const TMsimg32&) = delete;
  TTransparentBltProc Proc() const { return FProc; }

private:
  HMODULE FModule = nullptr;
  TTransparentBltProc FProc = nullptr;
};

const TMsimg32 GMsimg32;

// The memory of the device-independent section selected into DC, when it is one the
// direct path can write: 24 or 32 bits per pixel, bottom-up.
bool DirectTarget(HDC DC, TPixelTarget& Target) {
  const HGDIOBJ Bitmap = GetCurrentObject(DC, OBJ_BITMAP);
  DIBSECTION Section{};
  if (!Bitmap || GetObjectA(Bitmap, sizeof Section, &Section) != sizeof Section)
    return false;
  const int Depth = Section.dsBmih.biBitCount;
  if (!Section.dsBm.bmBits || (Depth != 24 && Depth != 32) || Section.dsBmih.biHeight <= 0)
    return false;
  Target = {static_cast<uint8_t*>(Section.dsBm.bmBits), Section.dsBm.bmWidth, Section.dsBm.bmHeight,
            Section.dsBm.bmWidthBytes, Depth};
  return true;
}

// DirectTarget, with DstRect moved from DC's logical coordinates to the section's pixels and
// the platform's pending drawing to that memory done.
bool DirectTargetAt(HDC DC, TRect& DstRect, TPixelTarget& Target) {
  if (!DirectTarget(DC, Target))
    return false;
  POINT Origin{};
  GetWindowOrgEx(DC, &Origin);
  DstRect = {DstRect.Left - Origin.x, DstRect.Top - Origin.y, DstRect.Right - Origin.x,
             DstRect.Bottom - Origin.y};
  GdiFlush();
  return true;
}

} // namespace

bool TransparentBltAvailable() { return GMsimg32.Proc() != nullptr; }

void TseBitmap::Draw(HDC DC, int32_t X, int32_t Y) const {
  Draw(DC, {X, Y, X + FWidth, Y + FHeight}, BoundsRect());
}

void TseBitmap::Draw(HDC DC, int32_t X, int32_t Y, TRect SrcRect) const {
  Draw(DC, {X, Y, X + SrcRect.Width(), Y + SrcRect.Height()}, SrcRect);
}

void TseBitmap::Draw(HDC TargetDC, TRect DstRect, TRect SrcRect) const {
  if (Empty())
    return;
  TPixelTarget Target;
  if (DirectTargetAt(TargetDC, DstRect, Target)) {
    DrawInto(*this, DstRect, SrcRect, Target);
    return;
  }
  const bool ByHand = AlphaBlend || (Transparent && !GMsimg32.Proc());
  if (ByHand) {
    // Mix into a copy of what the device shows there, then put the copy back.
    if (IntersectRect(SrcRect, BoundsRect()).IsEmpty() || DstRect.IsEmpty())
      return;
    TseBitmap Mixed;
    Mixed.SetSize(DstRect.Width(), DstRect.Height());
    BitBlt(Mixed.DC(), 0, 0, DstRect.Width(), DstRect.Height(), TargetDC, DstRect.Left, DstRect.Top,
           SRCCOPY);
    GdiFlush();
    DrawInto(*this, Mixed.BoundsRect(), SrcRect, PixelTargetOf(Mixed));
    BitBlt(TargetDC, DstRect.Left, DstRect.Top, DstRect.Width(), DstRect.Height(), Mixed.DC(), 0, 0,
           SRCCOPY);
    return;
  }
  if (!Transparent)
    StretchBlt(TargetDC, DstRect.Left, DstRect.Top, DstRect.Width(), DstRect.Height(), DC(),
               SrcRect.Left, SrcRect.Top, SrcRect.Width(), SrcRect.Height(), SRCCOPY);
  else
    GMsimg32.Proc()(TargetDC, DstRect.Left, DstRect.Top, DstRect.Width(), DstRect.Height(), DC(),
                    SrcRect.Left, SrcRect.Top, SrcRect.Width(), SrcRect.Height(), RGB(127, 0, 127));
}

void TseBitmap::Tile(HDC TargetDC, TRect DstRect, TRect SrcRect) const {
  const int32_t TileWidth = SrcRect.Width(), TileHeight = SrcRect.Height();
  if (Empty() || TileWidth <= 0 || TileHeight <= 0 || DstRect.IsEmpty())
    return;
  TPixelTarget Target;
  if (DirectTargetAt(TargetDC, DstRect, Target)) {
    // Every copy straight into the section's memory in one pass, as Draw would put each.
    TileInto(*this, DstRect, SrcRect, Target);
    return;
  }
  const int32_t Columns = DstRect.Width() / TileWidth + (DstRect.Width() % TileWidth ? 1 : 0);
  const int32_t Rows = DstRect.Height() / TileHeight + (DstRect.Height() % TileHeight ? 1 : 0);
  for (int32_t I = 0; I < Columns; ++I)
    for (int32_t J = 0; J < Rows; ++J) {
      const int32_t Left = DstRect.Left + I * TileWidth, Top = DstRect.Top + J * TileHeight;
      const TRect Piece = IntersectRect({Left, Top, Left + TileWidth, Top + TileHeight}, DstRect);
      if (Piece.IsEmpty())
        break; // ends the column
      // A piece cut by the right or bottom edge comes from the part's top-left corner.
      Draw(TargetDC, Piece,
           {SrcRect.Left, SrcRect.Top, SrcRect.Left + Piece.Width(), SrcRect.Top + Piece.Height()});
    }
}
