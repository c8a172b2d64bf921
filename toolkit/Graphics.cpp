#include "toolkit/Graphics.h"

#include "toolkit/AnsiText.h"
#include "toolkit/FileNames.h"
#include "toolkit/KernelHandle.h"
#include "toolkit/SysUtils.h"

// ---------------------------------------------------------------------------------------
// TFont

HFONT TFont::Handle() const {
  if (!FHandle) {
    LOGFONTA Log{};
    Log.lfHeight = FHeight;
    Log.lfWeight = (FStyle & fsBold) ? FW_BOLD : FW_NORMAL;
    Log.lfItalic = (FStyle & fsItalic) != 0;
    Log.lfUnderline = (FStyle & fsUnderline) != 0;
    Log.lfStrikeOut = (FStyle & fsStrikeOut) != 0;
    Log.lfCharSet = FCharset;
    Log.lfQuality = DEFAULT_QUALITY;
    lstrcpynA(Log.lfFaceName, FName.c_str(), LF_FACESIZE);
    FHandle.reset(CreateFontIndirectA(&Log), [](void* Font) {
      if (Font)
        DeleteObject(Font);
    });
  }
  return static_cast<HFONT>(FHandle.get());
}

// ---------------------------------------------------------------------------------------
// TCanvas

void TCanvas::Rectangle(const RECT& Rect) {
  const int Rop = SetROP2(FHandle, Pen.Mode == TPenMode::pmNotXor ? R2_NOTXORPEN : R2_COPYPEN);
  const TGdiHandle PenHandle(CreatePen(PS_SOLID, Pen.Width, ColorToRGB(Pen.Color)));
  const TGdiHandle Fill(
      Brush.Style == TBrushStyle::bsSolid ? CreateSolidBrush(ColorToRGB(Brush.Color)) : nullptr);
  const HGDIOBJ OldPen = SelectObject(FHandle, PenHandle.get());
  const HGDIOBJ OldBrush = SelectObject(FHandle, Fill ? Fill.get() : GetStockObject(HOLLOW_BRUSH));
  ::Rectangle(FHandle, Rect.left, Rect.top, Rect.right, Rect.bottom);
  SelectObject(FHandle, OldBrush);
  SelectObject(FHandle, OldPen);
  SetROP2(FHandle, Rop);
}

void TCanvas::FillRect(const RECT& Rect) {
  if (Brush.Style == TBrushStyle::bsClear)
    return;
  // The device context's own brush: no brush made and freed per fill.
  const COLORREF Old = SetDCBrushColor(FHandle, ColorToRGB(Brush.Color));
  ::FillRect(FHandle, &Rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  SetDCBrushColor(FHandle, Old);
}

void TCanvas::TextOut(int X, int Y, const std::string& Text) {
  const HGDIOBJ Old = SelectObject(FHandle, Font.Handle());
  SetBkMode(FHandle, TRANSPARENT);
  SetTextColor(FHandle, ColorToRGB(Font.Color()));
  ::TextOutA(FHandle, X, Y, Text.data(), static_cast<int>(Text.size()));
  SelectObject(FHandle, Old);
}

void TCanvas::TextRect(RECT Rect, const std::string& Text, UINT Format) {
  const HGDIOBJ Old = SelectObject(FHandle, Font.Handle());
  SetBkMode(FHandle, TRANSPARENT);
  SetTextColor(FHandle, ColorToRGB(Font.Color()));
  DrawTextA(FHandle, Text.data(), static_cast<int>(Text.size()), &Rect, Format);
  SelectObject(FHandle, Old);
}

SIZE TCanvas::TextExtent(const std::string& Text) {
  SIZE Size{};
  const HGDIOBJ Old = SelectObject(FHandle, Font.Handle());
  GetTextExtentPoint32A(FHandle, Text.data(), static_cast<int>(Text.size()), &Size);
  SelectObject(FHandle, Old);
  return Size;
}

void TCanvas::Draw(int X, int Y, HBITMAP Bitmap) {
  BITMAP Info{};
  if (!Bitmap || !GetObjectA(Bitmap, sizeof Info, &Info))
    return;
  const TBitmapDC Memory(Bitmap, FHandle);
  BitBlt(FHandle, X, Y, Info.bmWidth, Info.bmHeight, Memory.Handle(), 0, 0, SRCCOPY);
}

// ---------------------------------------------------------------------------------------
// TBitmap, TIcon and TPicture

void TBitmap::Adopt(HBITMAP Bitmap) {
  BITMAP Info{};
  GetObjectA(Bitmap, sizeof Info, &Info);
  FHandle.reset(Bitmap);
  FWidth = Info.bmWidth;
  FHeight = Info.bmHeight;
  Changed();
}

void TBitmap::Changed() {
  if (OnChange)
    OnChange(this);
}

void TBitmap::Assign(const TPersistent& Source) {
  const auto* Other = dynamic_cast<const TBitmap*>(&Source);
  if (!Other) {
    TGraphic::Assign(Source);
    return;
  }
  if (Other == this)
    return;
  if (Other->Empty()) {
    Clear();
    return;
  }
  const auto Copy =
      static_cast<HBITMAP>(CopyImage(Other->Handle(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (!Copy)
    throw EInvalidGraphic("Bitmap image is not valid");
  Adopt(Copy);
}

void TBitmap::Draw(HDC DC, const RECT& Rect) const {
  if (Empty())
    return;
  const TBitmapDC Source(Handle());
  StretchBlt(DC, Rect.left, Rect.top, Rect.right - Rect.left, Rect.bottom - Rect.top,
             Source.Handle(), 0, 0, FWidth, FHeight, SRCCOPY);
}

void TBitmap::LoadFromFile(const std::string& FileName) {
  const std::wstring Name = WideFileName(FileName);
  // Only opened to tell a missing file from a bad one; closed again at once.
  if (!THandle(CreateFileW(Name.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr)))
    throw EFOpenError(FormatStr("Cannot open file %s", {FileName}));
  const auto Bitmap =
      static_cast<HBITMAP>(LoadImageW(nullptr, Name.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
  if (!Bitmap)
    throw EInvalidGraphic("Bitmap image is not valid");
  Adopt(Bitmap);
}

void TBitmap::LoadFromResourceName(HINSTANCE Instance, const std::string& Name) {
  const auto Bitmap =
      static_cast<HBITMAP>(LoadImageA(Instance, Name.c_str(), IMAGE_BITMAP, 0, 0, 0));
  if (!Bitmap)
    throw EResNotFound(FormatStr("Resource %s not found", {Name}));
  Adopt(Bitmap);
}

void TBitmap::SetSize32(int AWidth, int AHeight) {
  BITMAPINFO Info{};
  Info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  Info.bmiHeader.biWidth = AWidth;
  Info.bmiHeader.biHeight = AHeight;
  Info.bmiHeader.biPlanes = 1;
  Info.bmiHeader.biBitCount = 32;
  void* Bits = nullptr;
  const HBITMAP Bitmap = CreateDIBSection(nullptr, &Info, DIB_RGB_COLORS, &Bits, nullptr, 0);
  if (!Bitmap)
    throw EInvalidGraphic("Bitmap image is not valid");
  Adopt(Bitmap);
}

void TBitmap::Clear() {
  FHandle.reset();
  FWidth = FHeight = 0;
  Changed();
}

TIcon::~TIcon() {
  if (FHandle)
    DestroyIcon(FHandle);
}

void TIcon::SetHandle(HICON Icon) {
  if (FHandle)
    DestroyIcon(FHandle);
  FHandle = Icon ? CopyIcon(Icon) : nullptr;
  FWidth = FHeight = 0;
  ICONINFO Info{};
  if (FHandle && GetIconInfo(FHandle, &Info)) {
    // GetIconInfo makes copies of the icon's bitmaps for the caller.
    const TGdiOwner<HBITMAP> Color(Info.hbmColor), MaskBits(Info.hbmMask);
    BITMAP Mask{};
    GetObjectA(Info.hbmMask, sizeof Mask, &Mask);
    FWidth = Mask.bmWidth;
    FHeight = Info.hbmColor ? Mask.bmHeight : Mask.bmHeight / 2; // monochrome: two halves
  }
}

void TIcon::Draw(HDC DC, const RECT& Rect) const {
  if (FHandle)
    DrawIconEx(DC, Rect.left, Rect.top, FHandle, Rect.right - Rect.left, Rect.bottom - Rect.top, 0,
               nullptr, DI_NORMAL);
}

TPicture::TPicture() : FGraphic(std::make_unique<TBitmap>()) {}

TBitmap& TPicture::Bitmap() {
  if (!dynamic_cast<TBitmap*>(FGraphic.get()))
    FGraphic = std::make_unique<TBitmap>();
  return static_cast<TBitmap&>(*FGraphic);
}

void TPicture::SetGraphic(std::unique_ptr<TGraphic> Graphic) {
  FGraphic = std::move(Graphic);
  if (OnChange)
    OnChange(this);
}

void TPicture::LoadFromFile(const std::string& FileName) {
  auto Loaded = std::make_unique<TBitmap>();
  Loaded->LoadFromFile(FileName);
  SetGraphic(std::move(Loaded));
}

void AssignLogFont(TFont& Font, const LOGFONTW& Log) {
  Font.SetName(ToolkitText(Log.lfFaceName));
  Font.SetHeight(Log.lfHeight);
  Font.SetStyle(static_cast<uint8_t>((Log.lfWeight >= FW_SEMIBOLD ? fsBold : 0) |
                                     (Log.lfItalic ? fsItalic : 0)));
  Font.SetCharset(Log.lfCharSet);
}
