#pragma once
// Guards for device contexts, GDI objects and what is selected into them: each gives back
// what it took on every path out, a failure included.

#include <windows.h>

#include <memory>
#include <type_traits>

// Owners of GDI objects (pens, brushes, fonts, bitmaps, regions), deleted with their owner.
// A function that makes an object returns it in one of these, so the caller cannot forget it;
// Release hands it over to whoever takes ownership from there (SetWindowRgn, for one).
// Declared before the guard that selects it, an owner is deleted after it is deselected.
struct TGdiObjectDeleter {
  void operator()(HGDIOBJ Object) const {
    if (Object)
      DeleteObject(Object);
  }
};
template <class H> using TGdiOwner = std::unique_ptr<std::remove_pointer_t<H>, TGdiObjectDeleter>;
using TGdiHandle = TGdiOwner<HGDIOBJ>;
using TRegionHandle = TGdiOwner<HRGN>;

// Owner of a memory device context (CreateCompatibleDC), deleted with its owner.
struct TDCDeleter {
  void operator()(HDC DC) const {
    if (DC)
      DeleteDC(DC);
  }
};
using TMemoryDC = std::unique_ptr<std::remove_pointer_t<HDC>, TDCDeleter>;

// Owner of an icon made for the caller (CopyIcon, an image list's GetIcon), destroyed with it.
struct TIconDeleter {
  void operator()(HICON Icon) const {
    if (Icon)
      DestroyIcon(Icon);
  }
};
using TIconHandle = std::unique_ptr<std::remove_pointer_t<HICON>, TIconDeleter>;

// BeginPaint/EndPaint: a paint that throws still ends, so the window does not ask again.
class TPaintDC {
public:
  explicit TPaintDC(HWND Wnd) : FWnd(Wnd), FDC(BeginPaint(Wnd, &FPaint)) {}
  ~TPaintDC() { EndPaint(FWnd, &FPaint); }
  TPaintDC(const TPaintDC&) = delete;
  TPaintDC& operator=(const TPaintDC&) = delete;
  HDC DC() const { return FDC; }
  const RECT& Area() const { return FPaint.rcPaint; }

private:
  HWND FWnd;
  PAINTSTRUCT FPaint{};
  HDC FDC;
};

// GetDC/ReleaseDC of a window's client area, or of the screen for a null window; with
// WholeWindow, GetWindowDC: the frame included.
class TWindowDC {
public:
  explicit TWindowDC(HWND Wnd, bool WholeWindow = false)
      : FWnd(Wnd), FDC(WholeWindow ? GetWindowDC(Wnd) : GetDC(Wnd)) {}
  ~TWindowDC() {
    if (FDC)
      ReleaseDC(FWnd, FDC);
  }
  TWindowDC(const TWindowDC&) = delete;
  TWindowDC& operator=(const TWindowDC&) = delete;
  HDC DC() const { return FDC; }

private:
  HWND FWnd;
  HDC FDC;
};

// A memory device context (compatible with Compatible, the screen by default) with a bitmap
// selected into it, for the guard's life.
class TBitmapDC {
public:
  explicit TBitmapDC(HBITMAP Bitmap, HDC Compatible = nullptr)
      : FDC(CreateCompatibleDC(Compatible)), FOld(SelectObject(FDC, Bitmap)) {}
  ~TBitmapDC() {
    SelectObject(FDC, FOld);
    DeleteDC(FDC);
  }
  TBitmapDC(const TBitmapDC&) = delete;
  TBitmapDC& operator=(const TBitmapDC&) = delete;
  HDC Handle() const { return FDC; }

private:
  HDC FDC;
  HGDIOBJ FOld;
};

// SaveDC/RestoreDC: origins, clipping and selections as they were.
class TSavedDC {
public:
  explicit TSavedDC(HDC DC) : FDC(DC), FSaved(SaveDC(DC)) {}
  ~TSavedDC() {
    if (FSaved)
      RestoreDC(FDC, FSaved);
  }
  TSavedDC(const TSavedDC&) = delete;
  TSavedDC& operator=(const TSavedDC&) = delete;

private:
  HDC FDC;
  int FSaved;
};

// An object selected into a device context for the guard's life.
class TSelectObject {
public:
  TSelectObject(HDC DC, HGDIOBJ Object) : FDC(DC), FOld(SelectObject(DC, Object)) {}
  ~TSelectObject() {
    if (FOld)
      SelectObject(FDC, FOld);
  }
  TSelectObject(const TSelectObject&) = delete;
  TSelectObject& operator=(const TSelectObject&) = delete;

private:
  HDC FDC;
  HGDIOBJ FOld;
};

// Moves the drawing of a device context by (DX, DY) for the guard's life: what is drawn at
// (0, 0) lands where (DX, DY) did. The window origin carries the move (the bitmap library's
// direct path reads it), so the viewport origin stays the device's.
class TMoveWindowOrg {
public:
  TMoveWindowOrg(HDC DC, int DX, int DY) : FDC(DC) {
    GetWindowOrgEx(DC, &FOld);
    SetWindowOrgEx(DC, FOld.x - DX, FOld.y - DY, nullptr);
  }
  ~TMoveWindowOrg() { SetWindowOrgEx(FDC, FOld.x, FOld.y, nullptr); }
  TMoveWindowOrg(const TMoveWindowOrg&) = delete;
  TMoveWindowOrg& operator=(const TMoveWindowOrg&) = delete;

private:
  HDC FDC;
  POINT FOld{};
};

// A context of the screen's device for measuring text and answering format questions, never
// drawn on: the same one every time on a thread, where asking for the screen's context anew
// is a round trip to the window server (under Wine). Its state is saved by the guard and put
// back when the guard ends, so fonts selected through it do not stay.
class TScreenScratchDC {
public:
  TScreenScratchDC();
  ~TScreenScratchDC() { RestoreDC(FDC, FSaved); }
  TScreenScratchDC(const TScreenScratchDC&) = delete;
  TScreenScratchDC& operator=(const TScreenScratchDC&) = delete;
  HDC DC() const { return FDC; }

private:
  HDC FDC;
  int FSaved;
};
