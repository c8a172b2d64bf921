#include "controls/frame/FrameGeometry.h"

#include <algorithm>

namespace {

bool Has(const TSeFrameLayout& Layout, TSeBorderIcon Icon) {
  return (Layout.BorderIcons & (1u << Icon)) != 0;
}

bool Inside(const TRect& R, int32_t X, int32_t Y) {
  return X >= R.Left && X < R.Right && Y >= R.Top && Y < R.Bottom;
}

int32_t CaptionHeightOf(const TSeFrameLayout& Layout) {
  switch (Layout.BorderStyle) {
  case qbsStandard:
    return Layout.Metrics.CaptionHeight;
  case qbsToolWindow:
    return Layout.Metrics.SmallCaptionHeight;
  case qbsNone:
  default:
    return 0;
  }
}

// Whether a right-hand button shows, by its icon, the window's state and the frame's kind.
bool Shows(const TSeFrameLayout& Layout, TSeFrameZone Button) {
  if (Layout.BorderStyle == qbsNone)
    return false;
  if (Layout.BorderStyle == qbsToolWindow)
    return Button == fzClose && Has(Layout, qbiClose);
  switch (Button) {
  case fzClose:
    return Has(Layout, qbiClose);
  case fzMaximize:
    return Has(Layout, qbiMaximize) && !Layout.Minimized;
  case fzMinimize:
    return Has(Layout, qbiMinimize);
  case fzRollup:
    return Has(Layout, qbiRollup) && !Layout.Minimized;
  case fzTray:
    return Has(Layout, qbiTray) && !Layout.Minimized && !Layout.Themed;
  case fzHelp:
    return Has(Layout, qbiHelp) && !Layout.RolledUp && !Layout.Minimized;
  default:
    return false;
  }
}

} // namespace

TRect PlainFrameClientRect(const TSeFrameLayout& Layout, int32_t W, int32_t H) {
  if (Layout.BorderStyle == qbsNone)
    return {0, 0, W, H};
  const int32_t B = Layout.Metrics.BorderWidth;
  return {B, B + CaptionHeightOf(Layout), W - B, H - B};
}

TRect PlainCaptionBand(const TSeFrameLayout& Layout, int32_t W, int32_t H) {
  const TRect Client = PlainFrameClientRect(Layout, W, H);
  return {Client.Left, Layout.BorderStyle == qbsNone ? 0 : Layout.Metrics.BorderWidth, Client.Right,
          Client.Top};
}

TRect PlainButtonRect(const TSeFrameLayout& Layout, int32_t W, int32_t H, TSeFrameZone Button) {
  const TRect Band = PlainCaptionBand(Layout, W, H);
  if (Band.IsEmpty())
    return {};
  if (Button == fzSysMenu) {
    if (Layout.BorderStyle != qbsStandard || !Has(Layout, qbiSystemMenu))
      return {};
    return {Band.Left, Band.Top, Band.Left + Band.Height(), Band.Bottom};
  }
  // From the right end leftwards, each shown button taking its place; two pixels from the end.
  const int32_t Width =
      Layout.BorderStyle == qbsToolWindow ? Band.Height() - 2 : Layout.Metrics.ButtonWidth - 2;
  const int32_t Height =
      Layout.BorderStyle == qbsToolWindow ? Band.Height() - 4 : Layout.Metrics.ButtonHeight - 4;
  const int32_t Top = Band.Top + (Band.Height() - Height) / 2;
  int32_t Right = Band.Right - 2;
  for (const TSeFrameZone Each : {fzClose, fzMaximize, fzMinimize, fzRollup, fzTray, fzHelp}) {
    if (!Shows(Layout, Each))
      continue;
    if (Each == Button)
      return {Right - Width, Top, Right, Top + Height};
    Right -= Width + (Each == fzClose ? 2 : 0);
  }
  return {};
}

TSeFrameZone PlainHitTest(const TSeFrameLayout& Layout, int32_t W, int32_t H, int32_t X,
                          int32_t Y) {
  const TRect R = PlainFrameClientRect(Layout, W, H);
  const int32_t T = CaptionHeightOf(Layout);
  TSeFrameZone Zone = fzNone;
  // Maximized, the border stands beyond the monitor's edges and is neither caption nor edge:
  // only the band between the borders is caption.
  if (Layout.Maximized ? Inside(PlainCaptionBand(Layout, W, H), X, Y) : Y < R.Top && X < W)
    Zone = fzCaption;
  for (const TSeFrameZone Button :
       {fzSysMenu, fzClose, fzMinimize, fzMaximize, fzHelp, fzRollup, fzTray})
    if (Inside(PlainButtonRect(Layout, W, H, Button), X, Y))
      Zone = Button;
  if (Layout.Maximized || Layout.Minimized || Layout.RolledUp)
    return Zone;
  constexpr int32_t Corner = 20;
  if (Y < R.Top - T)
    Zone = X < Corner ? fzTopLeft : X > W - Corner ? fzTopRight : fzTop;
  if (R.Bottom < Y && Y < H)
    Zone = X < Corner ? fzBottomLeft : X > W - Corner ? fzBottomRight : fzBottom;
  if (X < R.Left)
    Zone = Y < Corner ? fzTopLeft : Y > H - Corner ? fzBottomLeft : fzLeft;
  if (R.Right < X && X < W)
    Zone = Y < Corner ? fzTopRight : Y > H - Corner ? fzBottomRight : fzRight;
  return Zone;
}

int32_t ZoneHitTestCode(TSeFrameZone Zone, bool Moveable, bool Sizeable, bool Maximized) {
  const bool Sizes = Sizeable && !Maximized;
  switch (Zone) {
  case fzCaption:
    // Maximized too: the platform then sends the caption's double and right clicks to the
    // frame, which restores the window or opens its menu. The frame refuses the move itself.
    return Moveable ? FrameHit::Caption : FrameHit::Client;
  case fzLeft:
    return Sizes ? FrameHit::Left : FrameHit::Client;
  case fzTop:
    return Sizes ? FrameHit::Top : FrameHit::Client;
  case fzRight:
    return Sizes ? FrameHit::Right : FrameHit::Client;
  case fzBottom:
    return Sizes ? FrameHit::Bottom : FrameHit::Client;
  case fzTopLeft:
    return Sizes ? FrameHit::TopLeft : FrameHit::Client;
  case fzTopRight:
    return Sizes ? FrameHit::TopRight : FrameHit::Client;
  case fzBottomLeft:
    return Sizes ? FrameHit::BottomLeft : FrameHit::Client;
  case fzBottomRight:
    return Sizes ? FrameHit::BottomRight : FrameHit::Client;
  case fzClose:
    return FrameHit::Close;
  case fzHelp:
    return FrameHit::Help;
  case fzMinimize:
    return FrameHit::MinButton;
  case fzMaximize:
    return FrameHit::MaxButton;
  case fzRollup:
  case fzTray:
  case fzSysMenu:
  case fzSkinButton:
    return FrameHit::Border;
  case fzNone:
  default:
    return FrameHit::Client;
  }
}

TRect NonClientClientRect(const TRect& Window, const TRect& FrameClient, int32_t WW, int32_t WH) {
  return {Window.Left + FrameClient.Left, Window.Top + FrameClient.Top,
          Window.Right - (WW - FrameClient.Right), Window.Bottom - (WH - FrameClient.Bottom)};
}

TRect SnapToArea(const TRect& Bounds, const TRect& Area, int32_t Size) {
  auto Near = [Size](int32_t A, int32_t B) { return (A > B ? A - B : B - A) < Size; };
  int32_t DX = 0, DY = 0;
  if (Near(Bounds.Left, Area.Left))
    DX = Area.Left - Bounds.Left;
  else if (Near(Bounds.Right, Area.Right))
    DX = Area.Right - Bounds.Right;
  if (Near(Bounds.Top, Area.Top))
    DY = Area.Top - Bounds.Top;
  else if (Near(Bounds.Bottom, Area.Bottom))
    DY = Area.Bottom - Bounds.Bottom;
  return {Bounds.Left + DX, Bounds.Top + DY, Bounds.Right + DX, Bounds.Bottom + DY};
}

TRect DragBounds(TSeFrameZone Zone, const TRect& Bounds, TPoint FromPress, TPoint FromLast,
                 bool Outline, TPoint MinSize) {
  TRect R = Bounds;
  if (Zone == fzCaption)
    return {R.Left + FromPress.X, R.Top + FromPress.Y, R.Right + FromPress.X,
            R.Bottom + FromPress.Y};
  const TPoint Far = Outline ? FromPress : FromLast;
  const bool Left = Zone == fzLeft || Zone == fzTopLeft || Zone == fzBottomLeft;
  const bool Right = Zone == fzRight || Zone == fzTopRight || Zone == fzBottomRight;
  const bool Top = Zone == fzTop || Zone == fzTopLeft || Zone == fzTopRight;
  const bool Bottom = Zone == fzBottom || Zone == fzBottomLeft || Zone == fzBottomRight;
  if (Left)
    R.Left = std::min(R.Left + FromPress.X, R.Right - MinSize.X);
  if (Top)
    R.Top = std::min(R.Top + FromPress.Y, R.Bottom - MinSize.Y);
  if (Right)
    R.Right += Far.X;
  if (Bottom)
    R.Bottom += Far.Y;
  return R;
}
