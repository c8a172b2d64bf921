// The dark skin's control faces: push buttons, check boxes and radio buttons, tabs and
// their page, edit frames, group frames and hints.

#include "tools/skingen/EmberParts.h"

namespace SkinGen::Ember {

using namespace ArtGen;

void DrawRaisedFace(Canvas& C, const Shape& Outline, float Top, float Bottom, Look L) {
  const Shape Rim = InnerStroke(Outline, 1), Inner = InnerStroke(Grow(Outline, -1), 1);
  const float Middle = (Top + Bottom) / 2;
  switch (L) {
  case Look::Normal:
  case Look::Focused:
    C.Fill(Outline, Vertical(Top, Hex(0x36383D), Bottom, Hex(0x2A2C30)));
    C.Fill(Inner, Vertical(Top + 1, WithAlpha(White, 0.08f), Middle, WithAlpha(White, 0)));
    if (L == Look::Focused) {
      C.Fill(Inner, Solid(WithAlpha(Accent, 0.4f)));
      C.Fill(Rim, Solid(Accent));
    } else {
      C.Fill(Rim, Vertical(Top, BorderStrong, Bottom, Hex(0x3C3E44)));
    }
    break;
  case Look::Hot:
    C.Fill(Outline, Vertical(Top, Hex(0x44464C), Bottom, Hex(0x35373C)));
    C.Fill(Inner, Vertical(Top + 1, WithAlpha(White, 0.12f), Middle, WithAlpha(White, 0)));
    C.Fill(Rim, Solid(AccentDim));
    break;
  case Look::Pressed:
    C.Fill(Outline, Vertical(Top, Hex(0x1C1D20), Bottom, Hex(0x26272B)));
    C.Fill(Inner, Vertical(Top + 1, WithAlpha(Accent, 0.3f), Middle, WithAlpha(Accent, 0)));
    C.Fill(Rim, Solid(Accent));
    break;
  case Look::Disabled:
    C.Fill(Outline, Solid(Hex(0x222326)));
    C.Fill(Rim, Solid(Hex(0x303236)));
    break;
  }
}

void DrawArrowButton(Canvas& C, float X, float Y, float Size, Look L, float DX, float DY) {
  DrawRaisedFace(C, RoundRect(X, Y, X + Size, Y + Size, 3), Y, Y + Size, L);
  const Color Glyph = L == Look::Disabled  ? InkDisabled
                      : L == Look::Pressed ? AccentLight
                      : L == Look::Hot     ? White
                                           : Ink;
  C.Fill(Chevron(X + Size / 2, Y + Size / 2, 3, DX, DY, 1.5f), Solid(Glyph));
}

namespace {

SkinBitmap DrawPushButtons() {
  Canvas C(192, 24);
  for (int I = 0; I < 5; ++I) {
    const float X = static_cast<float>(32 * I);
    DrawRaisedFace(C, RoundRect(X, 0, X + 32, 24, 4), 0, 24, Looks[I]);
  }
  return Finish("button", C);
}

// ---- Check boxes and radio buttons ----

constexpr int Cell = 15;

// The box or ring at rest, where the mark is not set.
void DrawEmptyCell(Canvas& C, const Shape& Outline, float Y, Look L) {
  Color Top = Hex(0x17181B), Bottom = Hex(0x1F2023), Border = Hex(0x5A5D64);
  if (L == Look::Hot)
    Top = Hex(0x1F2023), Bottom = Hex(0x27282C), Border = Hex(0xC98A47);
  if (L == Look::Pressed)
    Top = Hex(0x2A1F14), Bottom = Hex(0x33251A), Border = Accent;
  if (L == Look::Focused)
    Border = Accent;
  if (L == Look::Disabled)
    Top = Bottom = Hex(0x1E1F22), Border = Hex(0x35363A);
  C.Fill(Outline, Vertical(Y, Top, Y + Cell, Bottom));
  if (L == Look::Focused)
    C.Fill(InnerStroke(Grow(Outline, -1), 1), Solid(WithAlpha(Accent, 0.4f)));
  C.Fill(InnerStroke(Outline, 1), Solid(Border));
}

// The amber box of a set mark.
void DrawMarkedCell(Canvas& C, const Shape& Outline, float Y, Look L) {
  Color Top = AccentLight, Bottom = Accent, Border = AccentDeep;
  if (L == Look::Hot)
    Top = Hex(0xFAC987), Bottom = Hex(0xF0A04B), Border = Accent;
  if (L == Look::Pressed)
    Top = Hex(0xC8731F), Bottom = AccentDeep, Border = Hex(0x8A4C15);
  if (L == Look::Disabled)
    Top = Bottom = Hex(0x3A3B3F), Border = Hex(0x44454A);
  C.Fill(Outline, Vertical(Y, Top, Y + Cell, Bottom));
  C.Fill(InnerStroke(Outline, 1), Solid(Border));
  if (L == Look::Focused)
    C.Fill(InnerStroke(Grow(Outline, -1), 1), Solid(Hex(0xFFE6C4)));
}

void DrawCheckCell(Canvas& C, int Column, int Row) {
  const Look L = Looks[Column];
  const float X = static_cast<float>(Cell * Column), Y = static_cast<float>(Cell * Row);
  const float Half = Cell / 2.0f;
  const bool Radio = Row >= 3;
  const Shape Outline =
      Radio ? Circle(X + Half, Y + Half, Half) : RoundRect(X, Y, X + Cell, Y + Cell, 3);
  if (Row == 1 || Row == 2)
    DrawMarkedCell(C, Outline, Y, L);
  else
    DrawEmptyCell(C, Outline, Y, L);
  const Color Mark = L == Look::Disabled ? Hex(0x6A6A6A) : Body;
  if (Row == 1)
    C.Fill(Union(Line(X + 3.8f, Y + 7.6f, X + 6.3f, Y + 10.1f, 2),
                 Line(X + 6.3f, Y + 10.1f, X + 11.2f, Y + 4.8f, 2)),
           Solid(Mark));
  if (Row == 2)
    C.Fill(RoundRect(X + 3.5f, Y + 6.5f, X + 11.5f, Y + 8.5f, 1), Solid(Mark));
  if (Row == 4) {
    const Color DotTop = L == Look::Disabled  ? Hex(0x55565B)
                         : L == Look::Pressed ? AccentDeep
                         : L == Look::Hot     ? Hex(0xFAC987)
                                              : AccentLight;
    const Color DotBottom = L == Look::Disabled ? Hex(0x47484C) : L == Look::Pressed ? Hex(0x8A4C15) : Accent;
    C.Fill(Circle(X + Half, Y + Half, 3.8f), Vertical(Y + 3.5f, DotTop, Y + 11.5f, DotBottom));
  }
}

SkinBitmap DrawChecks() {
  Canvas C(5 * Cell, 5 * Cell);
  for (int Row = 0; Row < 5; ++Row)
    for (int Column = 0; Column < 5; ++Column)
      DrawCheckCell(C, Column, Row);
  return Finish("check", C);
}

// ---- Tabs ----

void DrawTab(Canvas& C, float X, Look L) {
  constexpr float W = 20, H = 22, Radius = 3;
  if (L == Look::Focused) { // the selected tab: the page's colour, open towards it
    C.Fill(TopRounded(X, 0, X + W, H, Radius), Solid(Page));
    C.Fill(TopRoundedRim(X, 0, X + W, H, Radius, 1), Solid(BorderQuiet));
    C.Fill(Intersect(TopRounded(X, 0, X + W, H, Radius), Rect(X, 0, X + W, 2)), Solid(Accent));
    return;
  }
  Color Top = Hex(0x28292D), Bottom = Hex(0x212225), Border = BorderQuiet;
  if (L == Look::Hot)
    Top = Hex(0x34363B), Bottom = Hex(0x2A2C30), Border = AccentDim;
  if (L == Look::Disabled)
    Top = Bottom = Hex(0x1E1F22), Border = Hex(0x2C2D31);
  // Tabs in the background stand two pixels lower and end on the page's top border.
  C.Fill(TopRounded(X, 2, X + W, H, Radius), Vertical(2, Top, H, Bottom));
  C.Fill(TopRoundedRim(X, 2, X + W, H, Radius, 1), Solid(Border));
  C.Fill(Rect(X, H - 1, X + W, H), Solid(BorderQuiet));
}

SkinBitmap DrawTabs() {
  Canvas C(114, 40);
  const Shape Frame = RoundRect(0, 0, 18, 18, 3);
  C.Fill(Frame, Solid(Page));
  C.Fill(InnerStroke(Frame, 1), Solid(BorderQuiet));
  // The sheen lies over the whole page, its border included: clear in the margins, a
  // faint light falling from the top inside them.
  C.Fill(Rect(4, 24, 14, 34), Vertical(24, WithAlpha(White, 0.05f), 34, WithAlpha(White, 0.01f)));
  DrawTab(C, 18, Look::Normal);
  DrawTab(C, 38, Look::Hot);
  DrawTab(C, 58, Look::Focused);
  DrawTab(C, 78, Look::Disabled);
  for (int I = 0; I < 6; ++I)
    DrawArrowButton(C, static_cast<float>(18 + 16 * I), 24, 16, Looks[I % 3], I < 3 ? -1.0f : 1.0f,
                    0);
  return Finish("tabs", C);
}

// ---- Edit frames, group frames, hints ----

SkinBitmap DrawEdits() {
  Canvas C(64, 16);
  const Look Order[] = {Look::Normal, Look::Hot, Look::Focused, Look::Disabled};
  for (int I = 0; I < 4; ++I) {
    const float X = static_cast<float>(16 * I);
    const Shape Outline = RoundRect(X, 0, X + 16, 16, 3);
    const Look L = Order[I];
    C.Fill(Outline, Solid(L == Look::Disabled ? Hex(0x1C1D20) : Inset));
    if (L == Look::Focused)
      C.Fill(InnerStroke(Grow(Outline, -1), 1), Solid(WithAlpha(Accent, 0.3f)));
    const Color Border = L == Look::Hot       ? Hex(0x7C5A36)
                         : L == Look::Focused  ? Accent
                         : L == Look::Disabled ? Hex(0x2C2D31)
                                               : Hex(0x3F4147);
    C.Fill(InnerStroke(Outline, 1), Solid(Border));
  }
  return Finish("edit", C);
}

SkinBitmap DrawGroupAndHint() {
  Canvas C(48, 16);
  const Shape Group = RoundRect(0, 0, 16, 16, 4);
  C.Fill(Group, Solid(WithAlpha(White, 0.025f)));
  C.Fill(InnerStroke(Group, 1), Solid(BorderQuiet));
  const Shape Plate = RoundRect(16, 0, 32, 14, 3);
  C.Fill(Plate, Solid(Hex(0x26272B)));
  C.Fill(InnerStroke(Plate, 1), Solid(BorderQuiet));
  const Shape Hint = RoundRect(32, 0, 48, 16, 3);
  C.Fill(Hint, Solid(Hex(0x101113)));
  C.Fill(InnerStroke(Hint, 1), Solid(AccentDeep));
  return Finish("group", C);
}

} // namespace

std::vector<SkinBitmap> DrawControls() {
  return {DrawPushButtons(), DrawChecks(), DrawTabs(), DrawEdits(), DrawGroupAndHint()};
}

} // namespace SkinGen::Ember
