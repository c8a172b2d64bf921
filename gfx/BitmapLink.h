#pragma once
// A named rectangle of a surface, the unit in which skin objects refer to images, and the
// owning list of one skin's surfaces.

#include <memory>
#include <string>
#include <vector>

#include "gfx/Bitmap.h"

class TseBitmapLink : public TPersistent {
public:
  std::string ClassName() const override { return "TseBitmapLink"; }
  void Assign(const TPersistent& Source) override;
  // Name, Left, Top, Right, Bottom.
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }

  // An image and a rectangle of some area.
  bool IsValid() const;
  // Which parts of a nine-slice picture have holes; Margins holds the widths of the left,
  // top, right and bottom bands. All margins 0: any hole sets Masked.
  void CheckMasked(const TRect& Margins);
  void CheckMasked() { CheckMasked(TRect{}); }

  // The published properties.
  int32_t Left() const { return Rect.Left; }
  void SetLeft(int32_t Value) { Rect.Left = Value; }
  int32_t Top() const { return Rect.Top; }
  void SetTop(int32_t Value) { Rect.Top = Value; }
  int32_t Right() const { return Rect.Right; }
  void SetRight(int32_t Value) { Rect.Right = Value; }
  int32_t Bottom() const { return Rect.Bottom; }
  void SetBottom(int32_t Value) { Rect.Bottom = Value; }

  TseBitmap* Image = nullptr; // not owned
  TRect Rect;
  std::string Name;
  bool MaskedBorder = false;
  bool MaskedAngles = false;
  bool Masked = false;
};

// A new link to Rect of Bitmap, named after it, flags clear; the caller owns it.
std::unique_ptr<TseBitmapLink> CreateBitmapLink(TseBitmap* Bitmap, const TRect& Rect);

class TseBitmapList {
public:
  int Count() const { return static_cast<int>(FItems.size()); }
  TseBitmap* Add(std::unique_ptr<TseBitmap> Bitmap);
  void Clear() { FItems.clear(); }
  // The surface at Index, or null outside the list.
  TseBitmap* GetBitmap(int Index) const;
  // A link to Rect of the surface named Name (letter case ignored; the last of several),
  // or null when there is none.
  std::unique_ptr<TseBitmapLink> GetBitmapLink(const std::string& Name, const TRect& Rect) const;

private:
  std::vector<std::unique_ptr<TseBitmap>> FItems;
};
