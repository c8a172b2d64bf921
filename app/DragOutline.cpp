#include "app/DragOutline.h"

#include "toolkit/GdiGuards.h"

TDragOutline::TDragOutline(TComponent* AOwner) : TForm(AOwner) {
  Position = TPosition::poDesigned;
  MinimizeBox = false;
  FColor = clBlack;
}

void TDragOutline::CreateParams(TCreateParams& Params) {
  TForm::CreateParams(Params);
  Params.Style = WS_POPUP;
  Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
}

LRESULT TDragOutline::WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) {
  // The window under the pointer is the one beneath the band.
  if (Msg == WM_NCHITTEST)
    return HTTRANSPARENT;
  return TForm::WndProc(Msg, WParam, LParam);
}

void TDragOutline::Surround(const RECT& Bounds) {
  if (IsRectEmpty(&Bounds)) {
    SetVisible(false);
    return;
  }
  const int Half = BandWidth / 2;
  const RECT Outer{Bounds.left - Half, Bounds.top - Half, Bounds.right + Half,
                   Bounds.bottom + Half};
  const int Width = Outer.right - Outer.left, Height = Outer.bottom - Outer.top;
  SetBounds(Outer.left, Outer.top, Width, Height);
  // Only the band is the window's: what lies inside shows through and takes the pointer.
  TRegionHandle Band(CreateRectRgn(0, 0, Width, Height));
  if (Width > 2 * BandWidth && Height > 2 * BandWidth) {
    const TRegionHandle Inside(
        CreateRectRgn(BandWidth, BandWidth, Width - BandWidth, Height - BandWidth));
    CombineRgn(Band.get(), Band.get(), Inside.get(), RGN_DIFF);
  }
  SetWindowRgn(Handle(), Band.release(), Visible());
  SetWindowPos(Handle(), HWND_TOPMOST, Outer.left, Outer.top, Width, Height,
               SWP_NOACTIVATE | SWP_SHOWWINDOW);
  SetVisible(true);
  UpdateWindow(Handle());
}

void TDragOutline::VisibleChanged() {
  // Shown and hidden without taking the activation or moving in the z-order.
  if (HandleAllocated())
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE |
                     (Visible() ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}
