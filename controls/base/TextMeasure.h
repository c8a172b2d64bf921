#pragma once
// Text measured outside painting, in a font, as DrawText would lay it out.

#include <windows.h>

#include <optional>
#include <string>

#include "toolkit/Font.h"
#include "toolkit/GdiGuards.h"

// What a measuring context draws on: a new context's one-bit surface, or a colour one like
// the surfaces controls paint on.
enum TMeasureSurface { msMonochrome, msColour };

// A memory device context with (a copy of) a font selected, for measuring outside painting;
// all of it goes with the object, the selections first.
class TMeasureDC {
public:
  explicit TMeasureDC(const TFont& Font, TMeasureSurface Surface = msMonochrome);
  TMeasureDC(const TMeasureDC&) = delete;
  TMeasureDC& operator=(const TMeasureDC&) = delete;
  HDC DC() const { return FDC.get(); }
  // The extent of a run of characters, without prefix processing.
  SIZE Extent(const wchar_t* Text, int Count) const;

private:
  TFont FFont;
  TMemoryDC FDC;
  TGdiOwner<HBITMAP> FSurface;
  std::optional<TSelectObject> FSurfaceSelected;
  std::optional<TSelectObject> FFontSelected;
};

// The size of Text in Font: one line, or with DT_WORDBREAK in Format broken into lines no
// wider than MaxWidth.
SIZE MeasureTextIn(const TFont& Font, const std::wstring& Text, int MaxWidth, UINT Format);
