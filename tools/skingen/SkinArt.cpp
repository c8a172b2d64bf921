#include "SkinArt.h"

#include <algorithm>
#include <cmath>

#include "tools/skingen/FrameArt.h"

namespace SkinGen {

namespace {

using namespace ArtGen;

constexpr FrameColors ActiveFrame{Hex(0x4A7DB8), Hex(0x2E5F96), Hex(0x7DA6D8),
                                  Hex(0x22487A), Hex(0x34659D), Hex(0x28548A)};
constexpr FrameColors InactiveFrame{Hex(0xB7C2CF), Hex(0x9DAAB9), Hex(0xD5DCE4),
                                    Hex(0x8593A3), Hex(0xA4B0BE), Hex(0x8F9CAB)};

constexpr Color White = Hex(0xFFFFFF);
constexpr Color Body = Hex(0xF3F5F8);
constexpr Color InkDisabled = Hex(0xA9B2BC);
constexpr Color Accent = Hex(0x2F7BD8);
constexpr Color Shade = Hex(0x14263C); // shadows and darkening

// Control faces in the four pointer states most controls have.
enum class State { Normal, Hot, Pressed, Disabled };

// ---- Caption buttons ----

constexpr int CaptionButtonWidth = 18, CaptionButtonHeight = 15;

void DrawCaptionButton(Canvas& C, float X, CaptionGlyph Glyph, CaptionState S) {
  const float W = CaptionButtonWidth, H = CaptionButtonHeight;
  const Shape Face = RoundRect(X, 0, X + W, H, 3);
  const bool Close = Glyph == CaptionGlyph::Close;
  // Faces are translucent so that the caption gradient shows through them.
  Color FaceTop = WithAlpha(White, 0.16f), FaceBottom = WithAlpha(White, 0.07f);
  Color RimTop = WithAlpha(White, 0.34f), RimBottom = WithAlpha(White, 0.14f);
  Color GlyphColor = Hex(0xF5F8FC);
  float ShadowAlpha = 0.35f, Shift = 0;
  switch (S) {
  case CaptionState::Normal:
    break;
  case CaptionState::Hot:
    FaceTop = WithAlpha(White, 0.42f), FaceBottom = WithAlpha(White, 0.26f);
    RimTop = WithAlpha(White, 0.66f), RimBottom = WithAlpha(White, 0.36f);
    GlyphColor = White;
    if (Close) {
      FaceTop = Hex(0xE45A51), FaceBottom = Hex(0xD9433B);
      RimTop = Hex(0xF08A83), RimBottom = Hex(0xB9352E);
    }
    break;
  case CaptionState::Pressed:
    FaceTop = WithAlpha(Shade, 0.42f), FaceBottom = WithAlpha(Shade, 0.28f);
    RimTop = WithAlpha(Shade, 0.5f), RimBottom = WithAlpha(Shade, 0.3f);
    Shift = 1;
    if (Close) {
      FaceTop = Hex(0xB3342D), FaceBottom = Hex(0xC23B33);
      RimTop = Hex(0x8F2823), RimBottom = Hex(0xA6302A);
    }
    break;
  case CaptionState::Inactive:
    FaceTop = WithAlpha(White, 0.26f), FaceBottom = WithAlpha(White, 0.12f);
    RimTop = WithAlpha(White, 0.45f), RimBottom = WithAlpha(White, 0.2f);
    GlyphColor = Hex(0x56636F, 0.85f);
    ShadowAlpha = 0;
    break;
  case CaptionState::Disabled:
    FaceTop = WithAlpha(White, 0.07f), FaceBottom = WithAlpha(White, 0.03f);
    RimTop = WithAlpha(White, 0.16f), RimBottom = WithAlpha(White, 0.06f);
    GlyphColor = WithAlpha(White, 0.38f);
    ShadowAlpha = 0;
    break;
  }
  C.Fill(Face, Vertical(0, FaceTop, H, FaceBottom));
  C.Fill(InnerStroke(Face, 1), Vertical(0, RimTop, H, RimBottom));
  const Shape Mark = CaptionGlyphShape(Glyph, X + 9, Shift + 7);
  if (ShadowAlpha > 0)
    C.Fill(Translate(Mark, 0, 1), Solid(WithAlpha(Shade, ShadowAlpha)));
  C.Fill(Mark, Solid(GlyphColor));
}

SkinBitmap DrawCaptionButtons(const char* Name, CaptionGlyph Glyph) {
  return DrawCaptionButtonSheet(Name, CaptionButtonWidth, CaptionButtonHeight,
                                [Glyph](Canvas& C, float X, CaptionState S) {
                                  DrawCaptionButton(C, X, Glyph, S);
                                });
}

// ---- Controls ----

// Colours of a raised control face.
struct FaceColors {
  Color Top, Bottom, Border;
};

FaceColors RaisedFace(State S) {
  switch (S) {
  case State::Hot:
    return {Hex(0xF7FAFF), Hex(0xE1ECFA), Hex(0x7FA9DC)};
  case State::Pressed:
    return {Hex(0xD5DFEA), Hex(0xE3E9F0), Hex(0x7C93B0)};
  case State::Disabled:
    return {Hex(0xF4F6F8), Hex(0xF0F2F5), Hex(0xD2D8DF)};
  case State::Normal:
    break;
  }
  return {Hex(0xFFFFFF), Hex(0xE8ECF1), Hex(0xABB6C3)};
}

// A raised face inside X, Y, X + W, Y + H; Focused adds the accent ring.
void DrawFace(Canvas& C, float X, float Y, float W, float H, float Radius, State S,
              bool Focused = false) {
  const Shape Outline = RoundRect(X, Y, X + W, Y + H, Radius);
  const FaceColors K = RaisedFace(S);
  C.Fill(Outline, Vertical(Y, K.Top, Y + H, K.Bottom));
  const Shape Inner = InnerStroke(Grow(Outline, -1), 1);
  if (S == State::Pressed)
    C.Fill(Inner, Vertical(Y + 1, WithAlpha(Shade, 0.10f), Y + H / 2, WithAlpha(Shade, 0)));
  else if (S != State::Disabled)
    C.Fill(Inner, Vertical(Y + 1, WithAlpha(White, 0.9f), Y + H / 2, WithAlpha(White, 0)));
  if (Focused) {
    C.Fill(Inner, Solid(WithAlpha(Accent, 0.35f)));
    C.Fill(InnerStroke(Outline, 1), Solid(Accent));
  } else {
    C.Fill(InnerStroke(Outline, 1),
           Vertical(Y, K.Border, Y + H, Mix(K.Border, Shade, S == State::Disabled ? 0 : 0.12f)));
  }
}

SkinBitmap DrawPushButtons() {
  Canvas C(160, 24);
  const State Order[] = {State::Normal, State::Hot, State::Pressed, State::Normal, State::Disabled};
  for (int I = 0; I < 5; ++I)
    DrawFace(C, static_cast<float>(32 * I), 0, 32, 24, 4, Order[I], I == 3);
  return Finish("button", C);
}

// ---- Check boxes and radio buttons ----

void DrawCheckCell(Canvas& C, int Column, int Row) {
  const State S = static_cast<State>(Column);
  const float X = static_cast<float>(13 * Column), Y = static_cast<float>(13 * Row);
  const bool Radio = Row >= 3;
  const bool Marked = Row == 1 || Row == 2; // accent boxes
  const Shape Outline =
      Radio ? Circle(X + 6.5f, Y + 6.5f, 6.5f) : RoundRect(X, Y, X + 13, Y + 13, 3);
  Color Top, Bottom, Border;
  if (Marked) {
    switch (S) {
    case State::Normal:
      Top = Hex(0x4790E6), Bottom = Hex(0x2A6FC7), Border = Hex(0x2461AE);
      break;
    case State::Hot:
      Top = Hex(0x62A4EE), Bottom = Hex(0x3584DD), Border = Hex(0x2B6EC0);
      break;
    case State::Pressed:
      Top = Hex(0x2563B3), Bottom = Hex(0x2C6FC4), Border = Hex(0x1D4F8F);
      break;
    case State::Disabled:
      Top = Hex(0xC7CED6), Bottom = Hex(0xBAC2CC), Border = Hex(0xB1BAC5);
      break;
    }
  } else {
    switch (S) {
    case State::Normal:
      Top = Hex(0xFFFFFF), Bottom = Hex(0xEDF0F4), Border = Hex(0x8D99A7);
      break;
    case State::Hot:
      Top = Hex(0xF7FBFF), Bottom = Hex(0xE2EDFA), Border = Hex(0x4C8DDB);
      break;
    case State::Pressed:
      Top = Hex(0xD4E2F3), Bottom = Hex(0xE3ECF7), Border = Accent;
      break;
    case State::Disabled:
      Top = Hex(0xF3F5F7), Bottom = Hex(0xF3F5F7), Border = Hex(0xC9D0D8);
      break;
    }
    if (Row == 4 && S != State::Disabled)
      Border = S == State::Pressed ? Hex(0x2461AE) : Accent;
  }
  C.Fill(Outline, Vertical(Y, Top, Y + 13, Bottom));
  C.Fill(InnerStroke(Outline, 1), Solid(Border));
  const Color Mark = S == State::Disabled ? Hex(0xF7F8FA) : White;
  if (Row == 1)
    C.Fill(Union(Line(X + 3.4f, Y + 6.6f, X + 5.6f, Y + 8.8f, 1.7f),
                 Line(X + 5.6f, Y + 8.8f, X + 9.7f, Y + 4.3f, 1.7f)),
           Solid(Mark));
  if (Row == 2)
    C.Fill(RoundRect(X + 3, Y + 5.5f, X + 10, Y + 7.5f, 1), Solid(Mark));
  if (Row == 4) {
    const Color DotTop = S == State::Disabled ? Hex(0xB9C1CB) : Hex(0x4C94E8);
    const Color DotBottom = S == State::Disabled ? Hex(0xAAB3BE) : Hex(0x2466BB);
    C.Fill(Circle(X + 6.5f, Y + 6.5f, 3.2f), Vertical(Y + 3, DotTop, Y + 10, DotBottom));
  }
}

SkinBitmap DrawChecks() {
  Canvas C(52, 65);
  for (int Row = 0; Row < 5; ++Row)
    for (int Column = 0; Column < 4; ++Column)
      DrawCheckCell(C, Column, Row);
  return Finish("check", C);
}

// ---- Tabs ----

constexpr Color PageColor = White;
constexpr Color PageBorder = Hex(0xB3BDC9);

// A small square button with a chevron: tab scrollers and drop-down buttons.
void DrawArrowButton(Canvas& C, float X, float Y, State S, float DX, float DY) {
  DrawFace(C, X, Y, 16, 16, 3, S);
  const float Shift = S == State::Pressed ? 1.0f : 0.0f;
  const Color Glyph = S == State::Disabled ? InkDisabled : Hex(0x3A4753);
  C.Fill(Chevron(X + 8, Y + 8 + Shift, 3, DX, DY, 1.5f), Solid(Glyph));
}

void DrawTab(Canvas& C, float X, State S, bool Selected) {
  constexpr float W = 20, H = 22, Radius = 3;
  if (Selected) {
    C.Fill(TopRounded(X, 0, X + W, H, Radius), Solid(PageColor));
    C.Fill(TopRoundedRim(X, 0, X + W, H, Radius, 1), Solid(PageBorder));
    // An accent cap across the top, following the corners.
    C.Fill(Intersect(TopRounded(X, 0, X + W, H, Radius), Rect(X, 0, X + W, 2)), Solid(Accent));
    return;
  }
  Color Top = Hex(0xF1F4F7), Bottom = Hex(0xE2E7ED), Border = PageBorder;
  if (S == State::Hot)
    Top = Hex(0xF8FBFF), Bottom = Hex(0xE3EDF9), Border = Hex(0x8FB3DF);
  if (S == State::Disabled)
    Top = Hex(0xF1F3F5), Bottom = Hex(0xECEFF2), Border = Hex(0xD3D9E0);
  // Tabs in the background stand two pixels lower and end on the page's top border.
  C.Fill(TopRounded(X, 2, X + W, H, Radius), Vertical(2, Top, H, Bottom));
  C.Fill(TopRoundedRim(X, 2, X + W, H, Radius, 1), Solid(Border));
  if (S != State::Disabled)
    C.Fill(Intersect(TopRoundedRim(X + 1, 3, X + W - 1, H, Radius - 1, 1), Rect(X, 0, X + W, 6)),
           Solid(WithAlpha(White, 0.8f)));
  C.Fill(Rect(X, H - 1, X + W, H), Solid(PageBorder));
}

SkinBitmap DrawTabs() {
  Canvas C(100, 40);
  const Shape Page = RoundRect(0, 0, 18, 18, 3);
  C.Fill(Page, Solid(PageColor));
  C.Fill(InnerStroke(Page, 1), Solid(PageBorder));
  DrawTab(C, 18, State::Normal, false);
  DrawTab(C, 38, State::Hot, false);
  DrawTab(C, 58, State::Normal, true);
  DrawTab(C, 78, State::Disabled, false);
  DrawArrowButton(C, 0, 24, State::Normal, -1, 0);
  DrawArrowButton(C, 16, 24, State::Normal, 1, 0);
  return Finish("tabs", C);
}

// ---- Edit frames ----

SkinBitmap DrawEdits() {
  Canvas C(64, 16);
  const Color Borders[] = {Hex(0xABB6C3), Hex(0x7FA9DC), Accent, Hex(0xD2D8DF)};
  for (int I = 0; I < 4; ++I) {
    const float X = static_cast<float>(16 * I);
    const Shape Outline = RoundRect(X, 0, X + 16, 16, 3);
    C.Fill(Outline, Solid(I == 3 ? Hex(0xF6F7F9) : White));
    if (I == 2)
      C.Fill(InnerStroke(Grow(Outline, -1), 1), Solid(WithAlpha(Accent, 0.3f)));
    else if (I != 3) // a faint inset along the top
      C.Fill(Intersect(InnerStroke(Grow(Outline, -1), 1), Rect(X, 0, X + 16, 2)),
             Solid(WithAlpha(Shade, 0.06f)));
    C.Fill(InnerStroke(Outline, 1), Solid(Borders[I]));
  }
  return Finish("edit", C);
}

// ---- Menus ----

// A rounded highlight bar, tinted with the accent so that it shows on any light face.
void DrawHighlight(Canvas& C, float X, float Y, float W, float H, float Strength) {
  const Shape Outline = RoundRect(X, Y, X + W, Y + H, 3);
  C.Fill(Outline, Vertical(Y, WithAlpha(Accent, 0.12f * Strength), Y + H,
                           WithAlpha(Accent, 0.2f * Strength)));
  C.Fill(InnerStroke(Outline, 1), Solid(WithAlpha(Accent, 0.42f * Strength)));
}

SkinBitmap DrawMenus() {
  Canvas C(64, 40);
  DrawPopupFrame(C, White, Hex(0xA9B4C1), 1.5f, Shade, 0.36f);
  DrawHighlight(C, 16, 0, 32, 18, 1.0f);
  // Menu bar: the window body colour with a hairline below.
  C.Fill(Rect(0, 20, 16, 36), Solid(Hex(0xF6F8FA)));
  C.Fill(Rect(0, 35, 16, 36), Solid(Hex(0xD9DFE6)));
  DrawHighlight(C, 16, 20, 32, 18, 1.3f);
  return Finish("menu", C);
}

// ---- Miscellaneous pieces ----

void DrawHeader(Canvas& C, float X, float Y, State S) {
  constexpr float W = 16, H = 20;
  Color Top = White, Bottom = Hex(0xEDF0F4), Line = Hex(0xC3CBD5);
  if (S == State::Hot)
    Top = Hex(0xF7FBFF), Bottom = Hex(0xE4EEFA), Line = Hex(0x86AEDF);
  if (S == State::Pressed)
    Top = Hex(0xDDE4EC), Bottom = Hex(0xE9EDF2), Line = Hex(0xAAB5C2);
  C.Fill(Rect(X, Y, X + W, Y + H), Vertical(Y, Top, Y + H, Bottom));
  C.Fill(Rect(X, Y + H - 1, X + W, Y + H), Solid(Line));
  // The divider on the right fades out towards both ends.
  C.Fill(Rect(X + W - 1, Y, X + W, Y + H - 1), [=](float, float PY) {
    const float T = (PY - Y) / (H - 1);
    return WithAlpha(Hex(0xC6CED8), std::clamp(1 - std::fabs(T * 2 - 1) * 1.2f, 0.0f, 1.0f));
  });
}

SkinBitmap DrawMisc() {
  Canvas C(64, 64);
  // Progress trough and bars.
  const Shape Trough = RoundRect(0, 0, 16, 12, 3);
  C.Fill(Trough, Vertical(0, Hex(0xE1E6EC), 12, Hex(0xEEF1F4)));
  C.Fill(Intersect(InnerStroke(Grow(Trough, -1), 1), Rect(0, 0, 16, 3)),
         Solid(WithAlpha(Shade, 0.08f)));
  C.Fill(InnerStroke(Trough, 1), Solid(Hex(0xAFBAC6)));
  C.Fill(Rect(16, 0, 32, 12), ThreeStops(0, 12, true, Hex(0x6EAEF2), Hex(0x3584DF), Hex(0x2767BD)));
  C.Fill(Rect(16, 0, 32, 1), Solid(Hex(0x9CCAF7)));
  C.Fill(Rect(32, 0, 44, 16),
         ThreeStops(32, 44, false, Hex(0x6EAEF2), Hex(0x3584DF), Hex(0x2767BD)));
  C.Fill(Rect(32, 0, 33, 16), Solid(Hex(0x9CCAF7)));

  DrawHeader(C, 0, 16, State::Normal);
  DrawHeader(C, 16, 16, State::Hot);
  DrawHeader(C, 32, 16, State::Pressed);

  // Status bar: a hairline and a highlight along the top of a flat band.
  C.Fill(Rect(0, 36, 16, 52), Solid(Hex(0xECEFF3)));
  C.Fill(Rect(0, 36, 16, 37), Solid(Hex(0xCCD3DC)));
  C.Fill(Rect(0, 37, 16, 38), Solid(White));
  const Shape Panel = RoundRect(16, 36, 32, 52, 2.5f);
  C.Fill(Panel, Solid(Hex(0xF6F8FA)));
  C.Fill(InnerStroke(Panel, 1), Solid(Hex(0xCBD2DB)));

  // Size gripper: six dots on the diagonal, each with a light dot below it.
  for (int Row = 0; Row < 3; ++Row)
    for (int Column = 2 - Row; Column < 3; ++Column) {
      const float DX = 32 + 3.0f + 3.0f * Column, DY = 36 + 3.0f + 3.0f * Row;
      C.Fill(Rect(DX + 1, DY + 1, DX + 3, DY + 3), Solid(WithAlpha(White, 0.9f)));
      C.Fill(Rect(DX, DY, DX + 2, DY + 2), Solid(Hex(0x98A4B2)));
    }

  DrawArrowButton(C, 48, 0, State::Normal, 0, 1);
  DrawArrowButton(C, 48, 16, State::Hot, 0, 1);
  DrawArrowButton(C, 48, 32, State::Pressed, 0, 1);

  // Toolbar chevron: two small right-pointing chevrons.
  C.Fill(Union(Chevron(46.5f, 52, 2.5f, 1, 0, 1.3f), Chevron(49.5f, 52, 2.5f, 1, 0, 1.3f)),
         Solid(Hex(0x3A4753)));
  return Finish("misc", C);
}

} // namespace

const FrameGeometry SlateFrame{22, 4, 5, 5, 184, 32, 3.5f, 6, 3.5f, 4};

std::vector<SkinBitmap> DrawSkinBitmaps() {
  std::vector<SkinBitmap> Out =
      DrawFramePieces(SlateFrame, ActiveFrame, InactiveFrame, {"top", "left", "right", "bottom"});
  Out.push_back(DrawCaptionButtons("btnclose", CaptionGlyph::Close));
  Out.push_back(DrawCaptionButtons("btnmax", CaptionGlyph::Maximize));
  Out.push_back(DrawCaptionButtons("btnrestore", CaptionGlyph::Restore));
  Out.push_back(DrawCaptionButtons("btnmin", CaptionGlyph::Minimize));
  Out.push_back(DrawCaptionButtons("btnroll", CaptionGlyph::RollUp));
  Out.push_back(DrawCaptionButtons("btnrolldown", CaptionGlyph::RollDown));

  Canvas Client(32, 32);
  Client.Clear(Body);
  Out.push_back(Finish("client", Client));

  Out.push_back(DrawPushButtons());
  Out.push_back(DrawChecks());
  Out.push_back(DrawTabs());
  Out.push_back(DrawEdits());
  Out.push_back(DrawMenus());
  Out.push_back(DrawMisc());
  return Out;
}

} // namespace SkinGen
