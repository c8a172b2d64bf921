#include "ListViewViews.h"

#include <commctrl.h>
#include <functional>
#include <string>
#include <vector>

#include "ViewSupport.h"
#include "controls/list/SeSkinSListView.h"
#include "gfx/Bitmap.h"
#include "toolkit/Forms.h"

namespace {

// The list's border drawn where a picture asks for it.
class TPictureList : public TSeSkinSListView {
public:
  using TSeSkinSListView::PaintBorder;
  using TSeSkinSListView::TSeSkinSListView;
};

// Part of a window painted into a picture of its own at its origin, copied into Into at the
// part's place relative to the list's window (skin drawing ignores a device's origin).
void PutPart(TseBitmap& Into, HWND List, HWND Part, int Width, int Height,
             const std::function<void(HDC)>& Paint) {
  if (Width <= 0 || Height <= 0)
    return;
  TseBitmap Own;
  Own.SetSize(Width, Height);
  Paint(Own.DC());
  GdiFlush();
  RECT ListBounds{}, PartBounds{};
  GetWindowRect(List, &ListBounds);
  POINT Origin{0, 0};
  ClientToScreen(Part, &Origin);
  if (Part == List) {
    Origin.x -= ListBounds.left;
    Origin.y -= ListBounds.top;
  } else {
    GetWindowRect(Part, &PartBounds);
    Origin = {PartBounds.left - ListBounds.left, PartBounds.top - ListBounds.top};
  }
  BitBlt(Into.DC(), Origin.x, Origin.y, Width, Height, Own.DC(), 0, 0, SRCCOPY);
}

// The list as the screen shows it: border, rows, header and the in-place vertical bar over
// the platform's.
TSkinPicture CaptureList(TPictureList& List) {
  const HWND Wnd = List.Handle();
  RECT Bounds{};
  GetWindowRect(Wnd, &Bounds);
  const int W = Bounds.right - Bounds.left, H = Bounds.bottom - Bounds.top;
  TseBitmap Surface;
  Surface.SetSize(W, H);
  {
    TCanvas Canvas(Surface.DC());
    List.PaintBorder(Canvas, TRect{0, 0, W, H}); // the list has a client edge
  }
  RECT Client{};
  GetClientRect(Wnd, &Client);
  // Erased first, as on the screen: the background right of the last column is the erase's.
  PutPart(Surface, Wnd, Wnd, Client.right, Client.bottom, [&](HDC DC) {
    SendMessageW(Wnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(DC), 0);
    SendMessageW(Wnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(DC), PRF_CLIENT);
  });
  const HWND Header = ListView_GetHeader(Wnd);
  RECT HeaderClient{};
  GetClientRect(Header, &HeaderClient);
  PutPart(Surface, Wnd, Header, HeaderClient.right, HeaderClient.bottom,
          [&](HDC DC) { SendMessageW(Header, WM_PAINT, reinterpret_cast<WPARAM>(DC), 0); });
  TSeInplaceScrollBar* Vert = List.ScrollBars()->VertBar();
  if (Vert->HandleAllocated() && IsWindowVisible(Vert->Handle()))
    // Its inner bar is windowless: the in-place bar paints it.
    PutPart(Surface, Wnd, Vert->Handle(), Vert->Width(), Vert->Height(), [&](HDC DC) {
      SendMessageW(Vert->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(DC), PRF_CLIENT);
    });
  return PictureOf(Surface);
}

// The windows list as the main window has it: a report list with two columns, grid lines,
// check boxes (every third row checked) and more rows than fit, so the vertical in-place bar
// shows; the second picture has its first header section held down.
TSkinPicture ListViews(TForm& Form, TSeSkinEngine* Engine) {
  // The in-place bars follow the platform's only on a list that shows: the form is shown,
  // off the screen.
  Form.SetBounds(-3000, -3000, Form.Width(), Form.Height());
  Form.Show();
  std::vector<TSkinPicture> Views;
  for (int Look = 0; Look < 2; ++Look) {
    auto* List = MakeComponent<TPictureList>(&Form);
    List->SetParent(&Form);
    List->SetBounds(10, 10, 250, 150);
    List->AddColumn("Window Text", 140);
    List->AddColumn("Status", 80);
    List->SetReadOnly(true);
    List->SetHideSelection(false);
    List->SetColor(0x00CECFCE);
    for (int Row = 0; Row < 12; ++Row) {
      TListItem* Item = List->AddItem("Window " + std::to_string(Row + 1));
      Item->AddSubItem(Row % 2 ? "Opacity" : "Transparent");
      Item->SetChecked(Row % 3 == 0);
    }
    List->SetSkinEngine(Engine);
    if (Look == 1) {
      const HWND Header = ListView_GetHeader(List->Handle());
      RECT Section{};
      SendMessageW(Header, HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&Section));
      SendMessageW(Header, WM_LBUTTONDOWN, MK_LBUTTON,
                   MAKELPARAM((Section.left + Section.right) / 2, Section.bottom / 2));
    }
    List->ScrollBars()->Synchronize();
    Views.push_back(CaptureList(*List));
    if (GetCapture())
      ReleaseCapture();
    List->Free();
  }
  return SideBySide(Views);
}

} // namespace

TControlView ListViewView() { return {"ListView", ListViews}; }
