#pragma once
// Colours, fonts, pens and brushes as plain data with GDI handles made when first needed,
// a canvas over a device context, and bitmaps and pictures.

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "toolkit/Classes.h"
#include "toolkit/Colors.h"

// A GDI object handle that is deleted with its owner.
struct TGdiObjectDeleter {
  void operator()(HGDIOBJ Object) const {
    if (Object)
      DeleteObject(Object);
  }
};
using TGdiHandle = std::unique_ptr<std::remove_pointer_t<HGDIOBJ>, TGdiObjectDeleter>;

enum TFontStyle : uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

class TFont : public TPersistent {
public:
  std::string ClassName() const override { return "TFont"; }
  void Assign(const TPersistent& Source) override;

  const std::string& Name() const { return FName; }
  void SetName(const std::string& Value);
  // Size in points; the height in pixels follows the screen's resolution.
  int Size() const { return FSize; }
  void SetSize(int Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { FColor = Value; }
  uint8_t Style() const { return FStyle; }
  void SetStyle(uint8_t Value);
  HFONT Handle() const;

private:
  std::string FName = "MS Sans Serif";
  int FSize = 8;
  TColor FColor = clWindowText;
  uint8_t FStyle = 0;
  mutable TGdiHandle FHandle;
};

enum class TPenMode { pmCopy, pmNotXor };

struct TPen {
  TColor Color = clBlack;
  int Width = 1;
  TPenMode Mode = TPenMode::pmCopy;
};

enum class TBrushStyle { bsSolid, bsClear };

struct TBrush {
  TColor Color = clWhite;
  TBrushStyle Style = TBrushStyle::bsSolid;
};

// Drawing on a device context that the canvas does not own.
class TCanvas {
public:
  explicit TCanvas(HDC DC = nullptr) : FHandle(DC) {}
  HDC Handle() const { return FHandle; }
  void SetHandle(HDC DC) { FHandle = DC; }

  TFont Font;
  TPen Pen;
  TBrush Brush;

  // Outline with the pen and fill with the brush (hollow brush: outline only).
  void Rectangle(const RECT& Rect);
  void FillRect(const RECT& Rect);
  void TextOut(int X, int Y, const std::string& Text);
  // DrawText with the canvas font and colour, background left as it is.
  void TextRect(RECT Rect, const std::string& Text, UINT Format);
  SIZE TextExtent(const std::string& Text);
  void Draw(int X, int Y, HBITMAP Bitmap);

private:
  HDC FHandle;
};

// A device-dependent picture loaded from a file or a resource.
class TBitmap : public TPersistent {
public:
  std::string ClassName() const override { return "TBitmap"; }
  HBITMAP Handle() const { return static_cast<HBITMAP>(FHandle.get()); }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  bool Empty() const { return !FHandle; }
  // Raises EFOpenError "Cannot open file <name>" when the file cannot be opened, and
  // EInvalidGraphic "Bitmap image is not valid" when it holds no bitmap.
  void LoadFromFile(const std::string& FileName);
  // A BITMAP resource of the program; raises EResNotFound "Resource <name> not found".
  void LoadFromResourceName(HINSTANCE Instance, const std::string& Name);
  void Clear();

private:
  void Adopt(HBITMAP Bitmap);

  TGdiHandle FHandle;
  int FWidth = 0;
  int FHeight = 0;
};

class TPicture : public TPersistent {
public:
  std::string ClassName() const override { return "TPicture"; }
  TBitmap& Bitmap() { return FBitmap; }
  const TBitmap& Bitmap() const { return FBitmap; }
  void LoadFromFile(const std::string& FileName);
  TNotifyEvent OnChange;

private:
  TBitmap FBitmap;
};

class EFOpenError : public Exception {
public:
  using Exception::Exception;
};
class EInvalidGraphic : public Exception {
public:
  using Exception::Exception;
};
class EResNotFound : public Exception {
public:
  using Exception::Exception;
};

// Screen pixels per logical inch, for points to pixels.
int ScreenPixelsPerInch();
