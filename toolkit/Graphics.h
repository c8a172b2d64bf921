#pragma once
// Colours, fonts, pens and brushes as plain data with GDI handles made when first needed,
// a canvas over a device context, and bitmaps and pictures.

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "toolkit/Classes.h"
#include "toolkit/Colors.h"
#include "toolkit/FileStreams.h"
#include "toolkit/Font.h"
#include "toolkit/GdiGuards.h"


enum class TPenMode { pmCopy, pmNotXor };
enum class TPenStyle { psSolid, psClear };

struct TPen {
  TColor Color = clBlack;
  int Width = 1;
  TPenMode Mode = TPenMode::pmCopy;
  TPenStyle Style = TPenStyle::psSolid;
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

// Font takes the face, height, weight, slant and character set of a platform font.
void AssignLogFont(TFont& Font, const LOGFONTW& Log);

// Points a canvas at a device context for the guard's life, then back where it was.
class TCanvasDC {
public:
  TCanvasDC(TCanvas& Canvas, HDC DC) : FCanvas(Canvas), FOld(Canvas.Handle()) {
    Canvas.SetHandle(DC);
  }
  ~TCanvasDC() { FCanvas.SetHandle(FOld); }
  TCanvasDC(const TCanvasDC&) = delete;
  TCanvasDC& operator=(const TCanvasDC&) = delete;

private:
  TCanvas& FCanvas;
  HDC FOld;
};

// Pictures the toolkit can draw: bitmaps and icons.
class TGraphic : public TPersistent {
public:
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual bool Empty() const = 0;
  // Drawn stretched into Rect of DC.
  virtual void Draw(HDC DC, const RECT& Rect) const = 0;
};

class TBitmap : public TGraphic {
public:
  std::string ClassName() const override { return "TBitmap"; }
  HBITMAP Handle() const { return static_cast<HBITMAP>(FHandle.get()); }
  int Width() const override { return FWidth; }
  int Height() const override { return FHeight; }
  bool Empty() const override { return !FHandle; }
  void Draw(HDC DC, const RECT& Rect) const override;
  // Raises EFOpenError "Cannot open file <name>" when the file cannot be opened, and
  // EInvalidGraphic "Bitmap image is not valid" when it holds no bitmap.
  void LoadFromFile(const std::string& FileName);
  // A BITMAP resource of the program; raises EResNotFound "Resource <name> not found".
  void LoadFromResourceName(HINSTANCE Instance, const std::string& Name);
  // New 32-bit contents of the given size, all zero.
  void SetSize32(int AWidth, int AHeight);
  void Clear();
  // The picture as the bytes of a BMP file (bits as deep as the bitmap's own; 32 for one
  // made by the screen); nothing for an empty bitmap.
  void SaveToStream(TStream& Stream) const;
  // Reads the rest of Stream as a BMP file; raises EInvalidGraphic "Bitmap image is not
  // valid" for bytes that are not one.
  void LoadFromStream(TStream& Stream);
  // A copy of another bitmap's picture (empty for an empty one).
  void Assign(const TPersistent& Source) override;
  // Stored as "Data": the BMP file's size, then the file.
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }

  // After every change of the picture.
  TNotifyEvent OnChange;

private:
  void Adopt(HBITMAP Bitmap);
  void Changed();

  TGdiHandle FHandle;
  int FWidth = 0;
  int FHeight = 0;
};

class TIcon : public TGraphic {
public:
  TIcon() = default;
  ~TIcon() override;
  TIcon(const TIcon&) = delete;
  TIcon& operator=(const TIcon&) = delete;
  std::string ClassName() const override { return "TIcon"; }
  HICON Handle() const { return FHandle; }
  // Takes a copy of Icon (the caller keeps its own).
  void SetHandle(HICON Icon);
  int Width() const override { return FWidth; }
  int Height() const override { return FHeight; }
  bool Empty() const override { return !FHandle; }
  void Draw(HDC DC, const RECT& Rect) const override;

private:
  HICON FHandle = nullptr;
  int FWidth = 0;
  int FHeight = 0;
};

class TPicture : public TPersistent {
public:
  TPicture();
  std::string ClassName() const override { return "TPicture"; }
  // The picture as a bitmap; a picture holding something else becomes an empty bitmap.
  TBitmap& Bitmap();
  const TBitmap* BitmapOrNull() const { return dynamic_cast<const TBitmap*>(FGraphic.get()); }
  const TGraphic* Graphic() const { return FGraphic.get(); }
  void SetGraphic(std::unique_ptr<TGraphic> Graphic);
  void LoadFromFile(const std::string& FileName);
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }
  TNotifyEvent OnChange;

private:
  std::unique_ptr<TGraphic> FGraphic;
};

class EInvalidGraphic : public Exception {
public:
  using Exception::Exception;
};
class EResNotFound : public Exception {
public:
  using Exception::Exception;
};
