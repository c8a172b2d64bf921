#include "controls/list/SeCustomListView.h"

#include <algorithm>
#include <commctrl.h>
#include <vector>

#include "gfx/Shapes.h"
#include "gfx/VisualStyles.h"
#include "toolkit/ControlMessages.h"
#include "toolkit/ErrorReport.h"
#include "toolkit/GdiGuards.h"
#include "toolkit/WindowSubclass.h"

namespace {

// The header's link in its subclass chain.
constexpr UINT_PTR HeaderLinkId = 0x4C56;

// Theme parts and states: the header item, the edit frame.
constexpr int HeaderItemPart = 1; // HP_HEADERITEM
constexpr int HeaderNormal = 1, HeaderHot = 2, HeaderPressed = 3;
constexpr int EditTextPart = 1; // EP_EDITTEXT
constexpr int EditNormal = 1, EditHot = 2, EditDisabled = 4, EditFocused = 5;

// The corner between the two platform scroll bars.
constexpr int ScrollCorner = 25;

TRect GrownRect(TRect R, int By) { return {R.Left - By, R.Top - By, R.Right + By, R.Bottom + By}; }

TRect WindowRectAtOrigin(HWND Wnd) {
  RECT Window{};
  GetWindowRect(Wnd, &Window);
  return {0, 0, Window.right - Window.left, Window.bottom - Window.top};
}

RECT ToRECT(const TRect& R) { return {R.Left, R.Top, R.Right, R.Bottom}; }

} // namespace

const TPropTable& TSeCustomListView::Properties() {
  static const TPropTable Table(&TListView::Properties(), {});
  return Table;
}

TSeCustomListView::TSeCustomListView(TComponent* AOwner)
    : TListView(AOwner),
      FScrollBars(std::make_unique<TSeSubScrollBar>(
          nullptr, this, [this](TComponent* Owner) { return CreateScrollBar(Owner); })) {}

TSeCustomListView::~TSeCustomListView() {
  FScrollBars->SetListView(nullptr);
  FScrollBars.reset();
  ReleaseHeader();
}

std::unique_ptr<TSeCustomScrollBar> TSeCustomListView::CreateScrollBar(TComponent* AOwner) {
  return std::make_unique<TSeCustomScrollBar>(AOwner);
}

void TSeCustomListView::SetParent(TWinControl* AParent) {
  TListView::SetParent(AParent);
  FScrollBars->SetParent(AParent);
}

void TSeCustomListView::CreateParams(TCreateParams& Params) {
  TListView::CreateParams(Params);
  // The sunken edge the border is painted over.
  Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TSeCustomListView::CreateWnd() {
  TListView::CreateWnd();
  // A report list makes its header while its window is being created, before the window is
  // bound to this object: the header's creation notice never reaches WndProc then.
  if (!FHeaderHandle)
    if (const HWND Header = ListView_GetHeader(Handle()))
      SubclassHeader(Header);
}

bool TSeCustomListView::Themed() const { return VisualStylesActive(); }

// The list view itself -------------------------------------------------------------------

LRESULT TSeCustomListView::WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) {
  FScrollBars->ListViewMessage(Msg);
  switch (Msg) {
  case WM_ERASEBKGND:
    EraseMessage(reinterpret_cast<HDC>(WParam));
    return 1;
  case WM_NCPAINT:
    NonClientPaint();
    return 0;
  case WM_PARENTNOTIFY:
    if (LOWORD(WParam) == WM_CREATE && !FHeaderHandle)
      SubclassHeader(reinterpret_cast<HWND>(LParam));
    break;
  case WM_MOUSEWHEEL:
  case WM_WINDOWPOSCHANGED: {
    // Wheel scrolling moves the rows; a move, a new size or being shown or hidden moves the
    // platform's bars. The in-place bars follow once the list has done it.
    const LRESULT Result = TListView::WndProc(Msg, WParam, LParam);
    FScrollBars->Synchronize();
    return Result;
  }
  case CM_MOUSEENTER: {
    const LRESULT Result = TListView::WndProc(Msg, WParam, LParam);
    FMouseInControl = true;
    MouseEnter();
    return Result;
  }
  case CM_MOUSELEAVE: {
    const LRESULT Result = TListView::WndProc(Msg, WParam, LParam);
    FMouseInControl = false;
    MouseLeave();
    return Result;
  }
  default:
    break;
  }
  return TListView::WndProc(Msg, WParam, LParam);
}

void TSeCustomListView::EraseMessage(HDC DC) {
  if (!DC || !HandleAllocated())
    return;
  TCanvas Canvas(DC);
  PaintBackground(Canvas, GrownRect(WindowRectAtOrigin(Handle()), 2));
}

void TSeCustomListView::NonClientPaint() {
  if (!HandleAllocated())
    return;
  const HWND Wnd = Handle();
  TRect R = WindowRectAtOrigin(Wnd);
  const LONG_PTR Style = GetWindowLongPtrW(Wnd, GWL_STYLE);
  const LONG_PTR ExStyle = GetWindowLongPtrW(Wnd, GWL_EXSTYLE);
  if (!(Style & WS_BORDER) && !(ExStyle & WS_EX_CLIENTEDGE))
    R = GrownRect(R, 2);
  const TWindowDC Whole(Wnd, true);
  if (!Whole.DC())
    return;
  RECT Client{};
  GetClientRect(Wnd, &Client);
  ExcludeClipRect(Whole.DC(), 2, 2, 2 + Client.right, 2 + Client.bottom);
  Shielded([&] {
    TCanvas Canvas(Whole.DC());
    PaintBorder(Canvas, R);
  });
}

bool TSeCustomListView::DrawThemedEdit(TCanvas& Canvas, const TRect& Rect) {
  if (!Themed() || !HandleAllocated())
    return false;
  const int State = !Enabled()        ? EditDisabled
                    : Focused()       ? EditFocused
                    : FMouseInControl ? EditHot
                                      : EditNormal;
  return DrawThemePart(Handle(), Canvas.Handle(), L"Edit", EditTextPart, State, ToRECT(Rect));
}

void TSeCustomListView::PaintBackground(TCanvas& Canvas, const TRect& Rect) {
  if (!DrawThemedEdit(Canvas, Rect))
    FillRectColor(Canvas, Rect, Color());
}

void TSeCustomListView::PaintBorder(TCanvas& Canvas, const TRect& Rect) {
  if (DrawThemedEdit(Canvas, Rect))
    return;
  FillRectColor(Canvas, Rect.Right - ScrollCorner, Rect.Bottom - ScrollCorner, Rect.Right,
                Rect.Bottom, clBtnFace);
  DrawEdgeLines(Canvas, Rect, clBtnShadow, clBtnHighlight);
  DrawEdgeLines(Canvas, GrownRect(Rect, -1), cl3DDkShadow, clBtnFace);
}

// The header ------------------------------------------------------------------------------

void TSeCustomListView::SubclassHeader(HWND Header) {
  if (!Header || FHeaderHandle)
    return;
  if (SetSubclass(Header, HeaderProc, HeaderLinkId, reinterpret_cast<DWORD_PTR>(this)))
    FHeaderHandle = Header;
}

void TSeCustomListView::ReleaseHeader() {
  if (FHeaderHandle)
    RemoveSubclass(FHeaderHandle, HeaderProc, HeaderLinkId);
  FHeaderHandle = nullptr;
  FPressedSection = -1;
}

LRESULT CALLBACK TSeCustomListView::HeaderProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam,
                                               UINT_PTR, DWORD_PTR Ref) {
  auto* Self = reinterpret_cast<TSeCustomListView*>(Ref);
  // A failure drops the message: it is reported and the header goes on.
  return Shielded<LRESULT>(0, [&] { return Self->HeaderMessage(Wnd, Msg, WParam, LParam); });
}

LRESULT TSeCustomListView::HeaderMessage(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  switch (Msg) {
  case WM_PAINT:
    if (WParam) {
      PaintHeader(reinterpret_cast<HDC>(WParam));
    } else {
      const TPaintDC Paint(Wnd);
      if (Paint.DC())
        PaintHeader(Paint.DC());
    }
    return 0;
  case WM_ERASEBKGND:
    return 1;
  case WM_NCDESTROY: {
    const LRESULT Result = DefSubclass(Wnd, Msg, WParam, LParam);
    ReleaseHeader();
    return Result;
  }
  case WM_LBUTTONDOWN:
    FPressedSection = SectionAt(LParam);
    ::InvalidateRect(Wnd, nullptr, TRUE);
    break;
  case WM_LBUTTONUP:
    FPressedSection = -1;
    ::InvalidateRect(Wnd, nullptr, TRUE);
    break;
  default:
    break;
  }
  return DefSubclass(Wnd, Msg, WParam, LParam);
}

int TSeCustomListView::SectionAt(LPARAM Point) const {
  HDHITTESTINFO Hit{};
  Hit.pt = {static_cast<short>(LOWORD(Point)), static_cast<short>(HIWORD(Point))};
  const int Item =
      static_cast<int>(SendMessageW(FHeaderHandle, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&Hit)));
  // A divider, or the open area where a zero-width column's divider lies, presses nothing.
  if (Hit.flags & (HHT_ONDIVIDER | HHT_ONDIVOPEN))
    return -1;
  return (Hit.flags & HHT_ONHEADER) ? Item : -1;
}

std::string TSeCustomListView::SectionCaption(int Index) const {
  if (Index >= 0 && Index < ColumnCount())
    return Columns(Index)->Caption;
  // An item the platform holds without a column of ours: its own text.
  char Text[260] = {};
  HDITEMA Item{};
  Item.mask = HDI_TEXT;
  Item.pszText = Text;
  Item.cchTextMax = static_cast<int>(sizeof Text);
  SendMessageA(FHeaderHandle, HDM_GETITEMA, static_cast<WPARAM>(Index),
               reinterpret_cast<LPARAM>(&Item));
  return Text;
}

void TSeCustomListView::PaintHeader(HDC DC) {
  TCanvas Canvas(DC);
  const int Count = static_cast<int>(SendMessageW(FHeaderHandle, HDM_GETITEMCOUNT, 0, 0));
  // Left to right, as the user ordered them; each item keeps its own caption.
  std::vector<int> Order(static_cast<size_t>(std::max(Count, 0)));
  for (int I = 0; I < Count; ++I)
    Order[static_cast<size_t>(I)] = I;
  if (Count > 0)
    SendMessageW(FHeaderHandle, HDM_GETORDERARRAY, static_cast<WPARAM>(Count),
                 reinterpret_cast<LPARAM>(Order.data()));
  int Right = 0;
  for (const int Index : Order) {
    RECT Item{};
    if (!SendMessageW(FHeaderHandle, HDM_GETITEMRECT, static_cast<WPARAM>(Index),
                      reinterpret_cast<LPARAM>(&Item)))
      continue;
    DrawHeaderSection(Canvas, {Item.left, Item.top, Item.right, Item.bottom}, false,
                      Index == FHotSection, Index == FPressedSection, SectionCaption(Index));
    Right = std::max(Right, static_cast<int>(Item.right));
  }
  RECT Header{};
  GetClientRect(FHeaderHandle, &Header);
  const TRect Rest{Right, 0, Header.right + 2, Header.bottom};
  if (!Rest.IsEmpty())
    DrawHeaderSection(Canvas, Rest, true, false, false, std::string());
}

void TSeCustomListView::DrawHeaderSection(TCanvas& Canvas, const TRect& Rect, bool IsBackground,
                                          bool Hot, bool Pressed, const std::string& Caption) {
  RECT R = ToRECT(Rect);
  bool Drawn = false;
  if (Themed() && FHeaderHandle) {
    const TThemeParts Theme(FHeaderHandle, L"Header");
    const int State = IsBackground ? HeaderNormal
                      : Pressed    ? HeaderPressed
                      : Hot        ? HeaderHot
                                   : HeaderNormal;
    Drawn = Theme.Draw(Canvas.Handle(), HeaderItemPart, State, R);
  }
  if (!Drawn)
    DrawFrameControl(Canvas.Handle(), &R, DFC_BUTTON,
                     DFCS_BUTTONPUSH | (!IsBackground && Pressed ? DFCS_FLAT | DFCS_PUSHED : 0));
  if (IsBackground)
    return;
  Canvas.Font.Assign(Font());
  DrawSectionCaption(Canvas, Rect, Pressed, Caption);
}

void TSeCustomListView::DrawSectionCaption(TCanvas& Canvas, TRect Rect, bool Pressed,
                                           const std::string& Caption) {
  if (Pressed)
    Rect = {Rect.Left + 1, Rect.Top + 1, Rect.Right + 1, Rect.Bottom + 1};
  Rect = GrownRect(Rect, -3);
  const std::string Shown = EllipsisText(Caption, Rect.Width(), [&](const std::string& Text) {
    return static_cast<int>(Canvas.TextExtent(Text).cx);
  });
  Canvas.TextRect(ToRECT(Rect), Shown,
                  DrawTextBiDiModeFlags(DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX));
}
