// How the plain form frame paints: the surface of its Performance, the platform theme's
// window parts or the classic edge and gradient caption, the caption text, the buttons, and
// the four band copies to the window.

#include <optional>

#include "controls/base/BackgroundCapture.h"
#include "controls/base/ParentBackground.h"
#include "controls/base/SharedBuffer.h"
#include "controls/frame/FrameShadow.h"
#include "controls/frame/SeCustomForm.h"
#include "gfx/Pixels.h"
#include "gfx/Shapes.h"
#include "gfx/SkinText.h"
#include "gfx/VisualStyles.h"
#include "toolkit/GdiGuards.h"

namespace {

// The theme class "Window": its parts and states.
constexpr int WpCaption = 1, WpSmallCaption = 2, WpFrameLeft = 7, WpFrameRight = 8,
              WpFrameBottom = 9, WpSmallFrameLeft = 10, WpSmallFrameRight = 11,
              WpSmallFrameBottom = 12, WpSysButton = 13, WpMinButton = 15, WpMaxButton = 17,
              WpCloseButton = 18, WpRestoreButton = 21, WpHelpButton = 23;

RECT ToRECT(const TRect& R) { return {R.Left, R.Top, R.Right, R.Bottom}; }

} // namespace

TseBitmap* TSeCustomForm::FrameSurface(TseBitmap& Temporary, int Width, int Height, bool ForFrame) {
  if (FShowImage && ForFrame)
    return FShowImage;
  switch (FPerformance) {
  case qzfpSharedBuffer:
    if (TseBitmap& Shared = SizedSharedBuffer();
        Shared.Width() >= Width && Shared.Height() >= Height)
      return &Shared;
    // A window larger than the screen plus its margin has a surface of its own.
    Temporary.SetSize(Width, Height);
    return &Temporary;
  case qzfpPersistentBuffer:
    if (FPersistent.Width() != Width || FPersistent.Height() != Height)
      FPersistent.SetSize(Width, Height);
    return &FPersistent;
  case qzfpDoubleBuffer:
    Temporary.SetSize(Width, Height);
    return &Temporary;
  case qzfpNoBuffer:
  default:
    // Translucency and shadow are mixed off screen; otherwise the window is painted directly.
    if (!FBlending.Enabled() && !FShadow.Enabled() && !ComposesOffscreen())
      return nullptr;
    Temporary.SetSize(Width, Height);
    return &Temporary;
  }
}

void TSeCustomForm::PaintFrame() {
  if (!FPaintEnabled || !FForm || !FForm->HandleAllocated() || FWidth <= 0 || FHeight <= 0)
    return;
  const int S = ShadowDepth();
  const TRect Client = GetFrameClientRect();
  if (Client == TRect{0, 0, FWidth, FHeight} && S == 0)
    return;
  const int WW = FWidth + S, WH = FHeight + S;
  const HWND Wnd = FForm->Handle();
  const TWindowDC Window(Wnd, true);
  if (!Window.DC())
    return;
  TseBitmap Temporary;
  TseBitmap* Surface = FrameSurface(Temporary, WW, WH, true);
  const TseBitmap* Background = FCapture->Bitmap();
  if (Surface && S > 0) {
    const bool Shaped = GetWindowRgn(Wnd, nullptr) != ERROR || FBorderStyle != qbsNone;
    PaintFrameShadow(*Surface, Background, Client, FWidth, FHeight, S, Shaped);
  }
  const HDC DC = Surface ? Surface->DC() : Window.DC();
  {
    const TSavedDC Saved(DC);
    ExcludeClipRect(DC, Client.Left, Client.Top, Client.Right, Client.Bottom);
    IntersectClipRect(DC, 0, 0, FWidth, FHeight);
    TCanvas Canvas(DC);
    PaintNonClient(Canvas);
  }
  if (!Surface)
    return;
  GdiFlush();
  if (FBlending.Enabled())
    BlendFrameBands(*Surface, Background, Client, FWidth, FHeight,
                    static_cast<uint8_t>(FBlending.Value()));
  if (Surface == FShowImage)
    return;
  // Four bands: the top over the full width, the bottom between the client's sides, then the
  // left and right sides from the client's top to the window's bottom.
  const TRect Bands[] = {{0, 0, WW, Client.Top},
                         {Client.Left, Client.Bottom, Client.Right, WH},
                         {0, Client.Top, Client.Left, WH},
                         {Client.Right, Client.Top, WW, WH}};
  for (const TRect& Band : Bands)
    if (!Band.IsEmpty())
      BitBlt(Window.DC(), Band.Left, Band.Top, Band.Width(), Band.Height(), DC, Band.Left, Band.Top,
             SRCCOPY);
}

void TSeCustomForm::PaintNonClient(TCanvas& Canvas) {
  if (FBorderStyle == qbsNone)
    return;
  const TRect Client = GetFrameClientRect();
  const HDC DC = Canvas.Handle();
  const HWND Wnd = FForm->Handle();
  const bool Small = FBorderStyle == qbsToolWindow;
  const int State = FActiveWindow ? 1 : 2;
  const TThemeParts Theme(Wnd, L"Window");
  if (Theme.Open()) {
    Theme.Draw(DC, Small ? WpSmallFrameLeft : WpFrameLeft, State,
               {0, Client.Top, Client.Left, FHeight});
    Theme.Draw(DC, Small ? WpSmallFrameRight : WpFrameRight, State,
               {Client.Right, Client.Top, FWidth, FHeight});
    Theme.Draw(DC, Small ? WpSmallFrameBottom : WpFrameBottom, State,
               {0, Client.Bottom, FWidth, FHeight});
  } else {
    RECT Edge{0, 0, FWidth, FHeight};
    DrawEdge(DC, &Edge, EDGE_RAISED, BF_RECT | BF_ADJUST);
    FillRectColor(Canvas, {Edge.left, Edge.top, Edge.right, Edge.bottom}, clBtnFace);
  }
  // The caption band is composed apart, on button face, and copied in one piece: the
  // theme's caption blends its rounded corners over what lies beneath, which must be the
  // same on every paint, and the caption does not flicker.
  TseBitmap& Band = FCaptionBand;
  if (Band.Width() != FWidth || Band.Height() != Client.Top)
    Band.SetSize(FWidth, Client.Top);
  Band.Clear(ColorToPixel(clBtnFace));
  // The canvas is kept too: its caption font stays made between paints.
  TCanvas& BandCanvas = FCaptionCanvas;
  BandCanvas.SetHandle(Band.DC());
  const TRect Caption = PlainCaptionBand(Layout(), FWidth, FHeight);
  if (!Theme.Draw(Band.DC(), Small ? WpSmallCaption : WpCaption, State,
                  {0, 0, FWidth, Client.Top})) {
    RECT Edge{0, 0, FWidth, FHeight};
    DrawEdge(Band.DC(), &Edge, EDGE_RAISED, BF_RECT);
    const TColor From = SystemColor(FActiveWindow ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
    const TColor To =
        SystemColor(FActiveWindow ? COLOR_GRADIENTACTIVECAPTION : COLOR_GRADIENTINACTIVECAPTION);
    FillGradient(BandCanvas, Caption, From, false, To);
  }
  PaintCaption(BandCanvas, Caption);
  PaintCaptionButtons(BandCanvas, Theme);
  GdiFlush();
  BitBlt(DC, 0, 0, FWidth, Client.Top, Band.DC(), 0, 0, SRCCOPY);
}

void TSeCustomForm::PaintCaption(TCanvas& Canvas, const TRect& Band) {
  const bool Small = FBorderStyle == qbsToolWindow;
  Canvas.Font.Assign(Small ? FSmallCaptionFont : FCaptionFont);
  Canvas.Font.SetColor(SystemColor(FActiveWindow ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
  // Room for the text: the band less the buttons' widths (the tool window's close button
  // takes twice the small caption's height).
  int Buttons = 1;
  for (const TSeBorderIcon Icon : {qbiClose, qbiMaximize, qbiMinimize, qbiHelp, qbiRollup, qbiTray})
    Buttons += (FBorderIcons >> Icon) & 1;
  const int Reserved = Small ? 2 * FMetrics.SmallCaptionHeight : Buttons * FMetrics.ButtonWidth;
  const int Left = Small ? Band.Left : Band.Left + Band.Height();
  // Read through the window, so that a text set from outside shows as well.
  wchar_t Buffer[512];
  const int Length = GetWindowTextW(FForm->Handle(), Buffer, std::size(Buffer));
  const std::wstring Text(Buffer, Length > 0 ? Length : 0);
  const TSelectObject Font(Canvas.Handle(), Canvas.Font.Handle());
  const std::wstring Shown = EllipsisText(Canvas.Handle(), Text, FWidth - Left - Reserved);
  TRect Area{Left + 2, Band.Top, Band.Right - 2, Band.Bottom};
  DrawSkinText(Canvas, Shown, Area, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
}

void TSeCustomForm::PaintCaptionButtons(TCanvas& Canvas, const TThemeParts& Theme) {
  const HDC DC = Canvas.Handle();
  const HWND Wnd = FForm->Handle();
  struct TButton {
    TSeFrameZone Zone;
    int ThemePart;
    UINT Classic;
  };
  const TButton Buttons[] = {
      {fzClose, WpCloseButton, DFCS_CAPTIONCLOSE}, {fzMinimize, WpMinButton, DFCS_CAPTIONMIN},
      {fzMaximize, WpMaxButton, DFCS_CAPTIONMAX},  {fzHelp, WpHelpButton, DFCS_CAPTIONHELP},
      {fzRollup, WpMinButton, DFCS_CAPTIONMIN},    {fzTray, WpMinButton, DFCS_CAPTIONMIN}};
  for (const TButton& Button : Buttons) {
    const TRect R = GetButtonRect(Button.Zone);
    if (R.IsEmpty())
      continue;
    // Hot under the pointer (no drag running); pressed while the left button, pressed on
    // it, is still over it.
    const bool Hot = FHotZone == Button.Zone && !FDraggingNow;
    const bool Pressed = Hot && FPressedZone == Button.Zone && (FPressedButtons & ssLeft);
    const bool Restores = Button.Zone == fzMaximize && Maximized();
    const int State = Pressed ? 3 : Hot ? 2 : FActiveWindow ? 1 : 5; // 5: the inactive look
    if (!Theme.Draw(DC, Restores ? WpRestoreButton : Button.ThemePart, State, ToRECT(R))) {
      RECT Area = ToRECT(R);
      DrawFrameControl(DC, &Area, DFC_CAPTION,
                       (Restores ? DFCS_CAPTIONRESTORE : Button.Classic) |
                           (Pressed ? DFCS_PUSHED : 0) | (Hot ? DFCS_HOT : 0));
    }
  }
  const TRect System = GetButtonRect(fzSysMenu);
  if (!System.IsEmpty()) {
    const auto Icon = reinterpret_cast<HICON>(SendMessageW(Wnd, WM_GETICON, ICON_SMALL, 0));
    if (Icon)
      DrawIconCentered(Canvas, System, Icon);
    else
      Theme.Draw(DC, WpSysButton, 1, ToRECT(System));
  }
}

void TSeCustomForm::PaintClientBackground(TCanvas& Canvas, const TRect& Client) {
  FillRectColor(Canvas, Client, FForm->Color());
}

void TSeCustomForm::EraseBackground(TMessage& Message) {
  Message.Result = 1;
  SetHandled();
  if (!FForm || !FForm->HandleAllocated())
    return;
  const HWND Wnd = FForm->Handle();
  RECT ClientArea;
  GetClientRect(Wnd, &ClientArea);
  const TRect Client{0, 0, ClientArea.right, ClientArea.bottom};
  const auto GivenDC = reinterpret_cast<HDC>(Message.WParam);
  std::optional<TWindowDC> Own;
  if (!GivenDC)
    Own.emplace(Wnd);
  const HDC DC = GivenDC ? GivenDC : Own->DC();
  if (!DC)
    return;
  const auto Paint = [&](TCanvas& Canvas) {
    if (OnPaint && !FForm->Loading())
      OnPaint(this, Canvas, Client);
    else
      PaintClientBackground(Canvas, Client);
  };
  const auto* Request = reinterpret_cast<const TSeParentBackgroundRequest*>(Message.LParam);
  if (Request && Request->Marker == 1) {
    // A control asks for what lies under it, into its own (buffered) device context, moved
    // so that the client area's origin lands where it should: the whole client area, plainly.
    TCanvas Canvas(DC);
    Paint(Canvas);
    return;
  }
  TseBitmap Temporary;
  TseBitmap* Surface =
      FrameSurface(Temporary, std::max(Client.Width(), 1), std::max(Client.Height(), 1), false);
  TCanvas Canvas(Surface ? Surface->DC() : DC);
  Paint(Canvas);
  if (!Surface)
    return;
  GdiFlush();
  if (FBlending.Enabled()) {
    const TRect Frame = GetFrameClientRect(); // where the client area lies in the window
    BlendArea(*Surface, FCapture->Bitmap(), Client, static_cast<uint8_t>(FBlending.Value()),
              Frame.Left, Frame.Top);
  }
  BitBlt(DC, 0, 0, Client.Width(), Client.Height(), Surface->DC(), 0, 0, SRCCOPY);
}
