// The plain look of menu items (system colours and, where visual styles are on, the theme's
// quieter variants), and the opening of a level of an item's children.

#include <windows.h>

#include <algorithm>

#include "controls/MenuTracker.h"
#include "controls/MenuMetrics.h"
#include "controls/SeCustomForm.h"
#include "controls/SeCustomItem.h"
#include "controls/SeItemView.h"
#include "controls/SePopupView.h"
#include "controls/SePopupWindow.h"
#include "gfx/Platform.h"
#include "gfx/Shapes.h"
#include "gfx/SkinText.h"
#include "gfx/VisualStyles.h"
#include "toolkit/AnsiText.h"
#include "toolkit/Colors.h"
#include "toolkit/Controls.h"
#include "toolkit/ImageList.h"
#include "toolkit/ShortCuts.h"

namespace {

constexpr UINT NoPrefix = DT_NOPREFIX;
constexpr UINT RowText = DT_VCENTER | DT_SINGLELINE;                // 0x24
constexpr UINT RowShortCut = DT_VCENTER | DT_SINGLELINE | DT_RIGHT; // 0x26
constexpr UINT BarText = DT_VCENTER | DT_SINGLELINE | DT_CENTER;    // 0x25

TRect Inset(const TRect& R, int DX, int DY) {
  return {R.Left + DX, R.Top + DY, R.Right - DX, R.Bottom - DY};
}

// Right-to-left items swap left and right alignment, and read right to left where the
// system's locale does.
UINT ReadingOrder(const TSeCustomItem& Item, UINT Format) {
  if (!Item.RightToLeft)
    return Format;
  if (GetSystemMetrics(SM_MIDEASTENABLED))
    Format |= DT_RTLREADING;
  if (Format & DT_RIGHT)
    return Format & ~DT_RIGHT;
  if (!(Format & DT_CENTER))
    return Format | DT_RIGHT;
  return Format;
}

// Text in Color; a disabled item's text is embossed (highlight one pixel down and right,
// then shadow) unless it is the current one.
void DrawRowText(TCanvas& Canvas, const std::wstring& Text, TRect Rect, UINT Format, bool Enabled,
                 bool IsCurrent, TColor Color) {
  if (!Enabled) {
    if (!IsCurrent) {
      TRect Embossed{Rect.Left + 1, Rect.Top + 1, Rect.Right + 1, Rect.Bottom + 1};
      Canvas.Font.SetColor(clBtnHighlight);
      DrawSkinText(Canvas, Text, Embossed, Format);
    }
    Color = clBtnShadow;
  }
  Canvas.Font.SetColor(Color);
  DrawSkinText(Canvas, Text, Rect, Format);
}

// The frame among the components of the control that owns the menu, or null.
TSeCustomForm* OwnerFrameOf(const TSeCustomItem& Item) {
  if (!Item.OwnerControl)
    return nullptr;
  for (int I = 0; I < Item.OwnerControl->ComponentCount(); ++I)
    if (auto* Frame = dynamic_cast<TSeCustomForm*>(Item.OwnerControl->Components(I)))
      return Frame;
  return nullptr;
}

// A frame's painting held back for the guard's life.
class TFramePaintPause {
public:
  explicit TFramePaintPause(TSeCustomForm* Frame)
      : FFrame(Frame), FWas(Frame && Frame->PaintEnabled()) {
    if (FFrame)
      FFrame->SetPaintEnabled(false);
  }
  ~TFramePaintPause() {
    if (FFrame)
      FFrame->SetPaintEnabled(FWas);
  }
  TFramePaintPause(const TFramePaintPause&) = delete;
  TFramePaintPause& operator=(const TFramePaintPause&) = delete;

private:
  TSeCustomForm* FFrame;
  bool FWas;
};

// A level's window hidden again on every path out of its loop.
class TShownPopup {
public:
  explicit TShownPopup(TSePopupWindow& Window) : FWindow(Window) {}
  ~TShownPopup() { FWindow.HidePopup(); }
  TShownPopup(const TShownPopup&) = delete;
  TShownPopup& operator=(const TShownPopup&) = delete;

private:
  TSePopupWindow& FWindow;
};

} // namespace

void DrawItemImage(TCanvas& Canvas, const TSeCustomItem& Item, const TRect& Box) {
  const TCustomImageList* Images = Item.ImageList();
  if (!Images)
    return;
  Images->Draw(Canvas, Box.Left + (Box.Width() - Images->Width()) / 2,
               Box.Top + (Box.Height() - Images->Height()) / 2, Item.ImageIndex(), Item.Enabled());
}

namespace {

void DrawPopupRow(TSeCustomItem& Item, TCanvas& Canvas, bool IsCurrent, TRect Rect) {
  const bool Themed = VisualStylesActive();
  const TColor Text = IsCurrent ? clHighlightText : clMenuText;
  if (Item.IsSeparator()) {
    FillRectColor(Canvas, Rect, clMenu);
    Rect = {Rect.Left + 2, Rect.Top + 7, Rect.Right - 2, Rect.Top + 9};
    DrawEdgeLines(Canvas, Rect, clBtnShadow, clBtnHighlight);
  } else {
    FillRectColor(Canvas, Rect, IsCurrent ? clHighlight : clMenu);
  }
  const int Column = ImageColumnWidth(Item);
  if (Item.Checked() || Item.HasImage()) {
    TRect Box{Rect.Left, Rect.Top, Rect.Left + Column, Rect.Bottom};
    if (!Themed)
      FillRectColor(Canvas, Box, clBtnFace);
    Box.Right = Box.Left + Box.Height();
    if (Item.Checked() && !IsCurrent) {
      // The second colour is the stored value 0xFFFFFFFF, which names system colour 255:
      // the platform answers black for it.
      FillDithered(Canvas, Box, clBtnFace, static_cast<TColor>(0xFFFFFFFF));
      DrawEdgeLines(Canvas, Box, clBtnShadow, clBtnHighlight);
    } else if (Item.Checked() && !Themed) {
      DrawEdgeLines(Canvas, Box, clBtnShadow, clBtnHighlight);
    } else if (IsCurrent && !Themed) {
      DrawEdgeLines(Canvas, Box, clBtnHighlight, clBtnShadow);
    }
    if (Item.HasImage())
      DrawItemImage(Canvas, Item, Box);
    else
      DrawMenuCheck(Canvas, Box, clBlack, clWhite);
  }
  const TRect Caption{Rect.Left + Column + 4, Rect.Top, Rect.Right, Rect.Bottom};
  DrawRowText(Canvas, WindowText(Item.Caption()), Caption, ReadingOrder(Item, RowText),
              Item.Enabled(), IsCurrent, Text);
  if (const std::string Keys = ShortCutToText(Item.ShortCut()); !Keys.empty())
    DrawRowText(Canvas, WindowText(Keys),
                {Caption.Left, Caption.Top, Caption.Right - 22, Caption.Bottom},
                ReadingOrder(Item, RowShortCut), Item.Enabled(), IsCurrent, Text);
  if (Item.Count() > 0)
    DrawMenuArrow(Canvas.Handle(), Rect.Right - 24, Rect.Top + (Rect.Height() - MenuArrowSize) / 2,
                  Item.Enabled() ? Text : clBtnShadow);
}

void DrawBarButton(TSeCustomItem& Item, TCanvas& Canvas, bool NotTracking, bool IsCurrent,
                   const TRect& Rect) {
  const bool Themed = VisualStylesActive();
  if (Item.SystemKind == sikClose || Item.SystemKind == sikRestore ||
      Item.SystemKind == sikMinimize) {
    FillRectColor(Canvas, Rect, clMenu);
    const UINT Kind = Item.SystemKind == sikClose     ? DFCS_CAPTIONCLOSE
                      : Item.SystemKind == sikRestore ? DFCS_CAPTIONRESTORE
                                                      : DFCS_CAPTIONMIN;
    const UINT State = !IsCurrent ? 0x10 : (NotTracking ? 0x4010 : 0x210);
    TRect Box = Inset(Rect, 2, 2);
    RECT R{Box.Left, Box.Top, Box.Right + 1, Box.Bottom - 1};
    DrawFrameControl(Canvas.Handle(), &R, DFC_CAPTION, Kind | State);
    return;
  }
  FillRectColor(Canvas, Rect, clMenu);
  TColor Text = clMenuText;
  if (IsCurrent && Item.Enabled()) {
    if (Themed) {
      FillRectColor(Canvas, Inset(Rect, 1, 1), clHighlight);
      Text = clHighlightText;
    } else if (NotTracking) {
      DrawEdgeLines(Canvas, Rect, clBtnHighlight, clBtnShadow);
    } else {
      DrawEdgeLines(Canvas, Rect, clBtnShadow, clBtnHighlight);
    }
  }
  if (Item.SystemKind == sikWindowIcon) {
    HICON Icon = LoadIconW(GetModuleHandleW(nullptr), L"MAINICON");
    DrawIconCentered(Canvas, Rect, Icon ? Icon : LoadIconW(nullptr, MAKEINTRESOURCEW(32512)));
    return;
  }
  DrawRowText(Canvas, WindowText(Item.Caption()), Rect, ReadingOrder(Item, BarText), Item.Enabled(),
              IsCurrent, Text);
}

} // namespace

int ImageColumnWidth(const TSeCustomItem& Item) {
  const TCustomImageList* Images = Item.ImageList();
  if (Images && Images->Width() > MenuMetrics().Height)
    return Images->Width() + 6;
  return 22;
}

TPoint TSeCustomItem::MeasureItem(TCanvas& Canvas, TSeItemView& View) {
  Canvas.Font = MenuMetrics().Font;
  const int Height = MenuMetrics().Height;
  const std::wstring Text = WindowText(FCaption);
  if (View.Bar()) {
    if (SystemKind != sikOrdinary)
      return {Height, Height};
    return {MeasureText(Canvas, Text, NoPrefix) + 12, Height};
  }
  int Width = MeasureText(Canvas, Text, NoPrefix) + ImageColumnWidth(*this) + 42;
  if (const std::string Keys = ShortCutToText(FShortCut); !Keys.empty())
    Width += TextWidth(Canvas, WindowText(Keys));
  if (IsSeparator())
    return {Width, 15};
  const TCustomImageList* Images = ImageList();
  return {Width, Images && Images->Height() > Height ? Images->Height() + 4 : Height};
}

void TSeCustomItem::DrawItem(TCanvas& Canvas, TSeItemView& View, bool NotTracking, bool IsCurrent,
                             const TRect& Rect) {
  Canvas.Font = MenuMetrics().Font;
  if (View.Bar() || View.Horizontal())
    DrawBarButton(*this, Canvas, NotTracking, IsCurrent, Rect);
  else
    DrawPopupRow(*this, Canvas, IsCurrent, Rect);
}

void TSeCustomItem::DrawScrollArrow(TCanvas& Canvas, TSeItemView&, bool Hot, int Arrow,
                                    const TRect& Rect) {
  FillRectColor(Canvas, Rect, clMenu);
  if (Hot)
    DrawEdgeLines(Canvas, Rect, clBtnShadow, clBtnHighlight);
  DrawScrollTriangle(Canvas, Rect, Arrow, Canvas.Font.Color());
}

std::unique_ptr<TSePopupWindow> TSeCustomItem::CreatePopupWindow() {
  return std::make_unique<TSePopupWindow>(nullptr);
}

void TSeCustomItem::Popup(TMenuTracker& Tracker, TSeItemView* ParentView, int X, int Y,
                          const TRect& ParentRect) {
  if (std::none_of(FItems.begin(), FItems.end(),
                   [](TSeCustomItem* Child) { return Child->Visible(); }))
    return;
  if (OnBeforeDropDown)
    OnBeforeDropDown(this);
  std::unique_ptr<TSePopupWindow> Window = CreatePopupWindow();
  Window->Prepare(*this, ParentView);
  TSePopupView* View = Window->View();
  View->InitiateActions();
  Window->SetBounds(X, Y, 0, 0);
  View->Layout();
  const TPopupOrigin Origin = ParentRect.Width() < 1            ? TPopupOrigin::poPoint
                              : ParentView && ParentView->Bar() ? TPopupOrigin::poBar
                                                                : TPopupOrigin::poItem;
  const TPoint At = PlacePopup(Origin, {X, Y}, ParentRect, Window->Width(), Window->Height(),
                               MonitorRectAtPoint({X, Y}, false));
  Window->SetBounds(At.X, At.Y, Window->Width(), Window->Height());
  {
    // The frame of the window that opens the menu does not repaint while the level appears.
    const TFramePaintPause Paused(OwnerFrameOf(*this));
    Window->ShowPopup();
  }
  if (Foreground)
    SetForegroundWindow(Window->Handle());
  {
    const TShownPopup Shown(*Window);
    Tracker.Track(*View);
  }
  Window->BeforeDestruction();
  Window.reset();
}
