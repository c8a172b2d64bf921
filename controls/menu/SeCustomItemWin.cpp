// The menu item's side on the platform: its plain look (system colours and, where visual
// styles are on, the theme's quieter variants), its size in a view, and the level of its
// children it opens.

#include <windows.h>

#include <algorithm>

#include "controls/menu/MenuMetrics.h"
#include "controls/menu/SeCustomItem.h"
#include "controls/menu/SeItemView.h"
#include "controls/menu/SePopupWindow.h"
#include "gfx/Shapes.h"
#include "gfx/SkinText.h"
#include "gfx/VisualStyles.h"
#include "toolkit/AnsiText.h"
#include "toolkit/Colors.h"
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
  Window->Popup(Tracker, *this, ParentView, X, Y, ParentRect);
  Window->BeforeDestruction();
}
