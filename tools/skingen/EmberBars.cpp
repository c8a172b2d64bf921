// The dark skin's bars that something slides along: scroll bars with their arrow buttons
// and thumbs, the track bar's grooves and pointer-shaped thumbs, and the progress bar.

#include "tools/skingen/EmberParts.h"

namespace SkinGen::Ember {

namespace {

using namespace ArtGen;

// The four looks a scroll bar gives its buttons and thumb.
constexpr Look BarLooks[] = {Look::Normal, Look::Hot, Look::Pressed, Look::Disabled};

// ---- Scroll bars ----

constexpr int Button = 17;

// Arrow buttons are flat at rest, so the track runs on under them.
void DrawScrollButton(Canvas& C, float X, float Y, Look L, float DX, float DY) {
  const Shape Face = RoundRect(X + 1, Y + 1, X + Button - 1, Y + Button - 1, 3);
  Color Glyph = InkQuiet;
  if (L == Look::Hot) {
    C.Fill(Face, Solid(Hex(0x34363B)));
    C.Fill(InnerStroke(Face, 1), Solid(BorderStrong));
    Glyph = Ink;
  } else if (L == Look::Pressed) {
    C.Fill(Face, Solid(WithAlpha(Accent, 0.3f)));
    C.Fill(InnerStroke(Face, 1), Solid(WithAlpha(Accent, 0.75f)));
    Glyph = AccentLight;
  } else if (L == Look::Disabled) {
    Glyph = Hex(0x3C3D42);
  }
  const float Half = Button / 2.0f;
  C.Fill(Chevron(X + Half, Y + Half, 3.5f, DX, DY, 1.6f), Solid(Glyph));
}

// A pill inset from the track on every side.
void DrawScrollThumb(Canvas& C, float X, float Y, float W, float H, Look L) {
  const Shape Pill = W > H ? RoundRect(X + 1, Y + 4, X + W - 1, Y + H - 4, 4.5f)
                                : RoundRect(X + 4, Y + 1, X + W - 4, Y + H - 1, 4.5f);
  Color Fill = Hex(0x4A4D54), Rim = Hex(0x5D6068);
  if (L == Look::Hot)
    Fill = Hex(0x63666E), Rim = AccentDim;
  if (L == Look::Pressed)
    Fill = Accent, Rim = AccentLight;
  if (L == Look::Disabled)
    Fill = Hex(0x2A2B2F), Rim = Hex(0x303135);
  C.Fill(Pill, Solid(Fill));
  C.Fill(InnerStroke(Pill, 1), Solid(Rim));
}

// A track with a dark line along both of its long edges.
void DrawScrollTrack(Canvas& C, float X, float Y, float W, float H, bool Level) {
  C.Fill(Rect(X, Y, X + W, Y + H), Solid(Hex(0x111214)));
  const Color Edge = Hex(0x08090A);
  if (Level) {
    C.Fill(Rect(X, Y, X + W, Y + 1), Solid(Edge));
    C.Fill(Rect(X, Y + H - 1, X + W, Y + H), Solid(Edge));
  } else {
    C.Fill(Rect(X, Y, X + 1, Y + H), Solid(Edge));
    C.Fill(Rect(X + W - 1, Y, X + W, Y + H), Solid(Edge));
  }
}

SkinBitmap DrawScrollBars() {
  Canvas C(101, 105);
  const float Directions[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}}; // left, right, up, down
  for (int Row = 0; Row < 4; ++Row)
    for (int Column = 0; Column < 4; ++Column)
      DrawScrollButton(C, static_cast<float>(Button * Column), static_cast<float>(Button * Row),
                       BarLooks[Column], Directions[Row][0], Directions[Row][1]);
  DrawScrollTrack(C, 68, 0, 16, 17, true);
  DrawScrollTrack(C, 84, 0, 17, 16, false);
  for (int I = 0; I < 4; ++I) {
    DrawScrollThumb(C, static_cast<float>(20 * I), 68, 20, 17, BarLooks[I]);
    DrawScrollThumb(C, static_cast<float>(17 * I), 85, 17, 20, BarLooks[I]);
  }
  return Finish("scroll", C);
}

// ---- Track bar ----

enum class Pointer { None, Forward, Back }; // a plain thumb, or one pointing down (right) or up (left)

// A gradient from First to Second down a horizontal bar's thumb, or across a vertical one's.
Paint Shaded(bool Level, float X, float Y, float W, float H, Color First, Color Second) {
  return Level ? Vertical(Y, First, Y + H, Second) : Horizontal(X, First, X + W, Second);
}

// The outline of a thumb in the W x H box at X, Y, for a level (horizontal) bar or an
// upright one. A pointed thumb is flat for all but the last half of its thickness.
Shape ThumbOutline(float X, float Y, float W, float H, bool Level, Pointer P) {
  if (P == Pointer::None)
    return RoundRect(X, Y, X + W, Y + H, 3);
  const float Across = Level ? W : H, Length = Level ? H : W;
  const float Tip = static_cast<float>(static_cast<int>(Across) / 2);
  // Points along the thumb's length from its flat end (0) to its pointed one, and across.
  std::vector<Point> Corners;
  const auto Add = [&](float Along, float Side) {
    if (P == Pointer::Back)
      Along = Length - Along;
    Corners.push_back(Level ? Point{X + Side, Y + Along} : Point{X + Along, Y + Side});
  };
  Add(0, 0);
  Add(0, Across);
  Add(Length - Tip, Across);
  Add(Length, Across / 2);
  Add(Length - Tip, 0);
  return ConvexPolygon(Corners);
}

void DrawThumb(Canvas& C, float X, float Y, float W, float H, bool Level, Pointer P, Look L) {
  const Shape Outline = ThumbOutline(X, Y, W, H, Level, P);
  const Shape Rim = InnerStroke(Outline, 1);
  const auto Shade = [=](Color First, Color Second) {
    return Shaded(Level, X, Y, W, H, First, Second);
  };
  switch (L) {
  case Look::Normal:
    C.Fill(Outline, Shade(Hex(0x9A9DA4), Hex(0x74777E)));
    C.Fill(Rim, Solid(Hex(0x2C2D31)));
    break;
  case Look::Hot:
    C.Fill(Outline, Shade(Hex(0xB8BBC1), Hex(0x92959C)));
    C.Fill(Rim, Solid(AccentDim));
    break;
  case Look::Pressed:
    C.Fill(Outline, Shade(AccentLight, AccentDeep));
    C.Fill(Rim, Solid(Hex(0x6E3C10)));
    break;
  case Look::Focused:
    C.Fill(Outline, Shade(Hex(0x9A9DA4), Hex(0x74777E)));
    C.Fill(InnerStroke(Grow(Outline, -1), 1), Solid(WithAlpha(Accent, 0.6f)));
    C.Fill(Rim, Solid(Accent));
    break;
  case Look::Disabled:
    C.Fill(Outline, Solid(Hex(0x3A3B3F)));
    C.Fill(Rim, Solid(Hex(0x2A2B2F)));
    break;
  }
}

void DrawGroove(Canvas& C, float X, float Y, float W, float H, bool Fill) {
  const Shape Outline = RoundRect(X, Y, X + W, Y + H, 3);
  if (Fill) {
    C.Fill(Outline, W > H ? ThreeStops(Y, Y + H, true, AccentLight, Accent, AccentDeep)
                          : ThreeStops(X, X + W, false, AccentLight, Accent, AccentDeep));
    return;
  }
  C.Fill(Outline, Solid(Hex(0x111214)));
  C.Fill(InnerStroke(Outline, 1), Solid(Hex(0x2E3035)));
}

SkinBitmap DrawTrackBars() {
  Canvas C(100, 93);
  const Pointer Shapes[] = {Pointer::None, Pointer::Forward, Pointer::Back};
  for (int Row = 0; Row < 3; ++Row)
    for (int Column = 0; Column < 5; ++Column) {
      DrawThumb(C, static_cast<float>(11 * Column), static_cast<float>(20 * Row), 11, 20, true,
                Shapes[Row], Looks[Column]);
      DrawThumb(C, static_cast<float>(20 * Column), static_cast<float>(60 + 11 * Row), 20, 11,
                false, Shapes[Row], Looks[Column]);
    }
  DrawGroove(C, 56, 0, 16, 6, false);
  DrawGroove(C, 56, 8, 16, 6, true);
  DrawGroove(C, 74, 0, 6, 16, false);
  DrawGroove(C, 82, 0, 6, 16, true);
  return Finish("track", C);
}

// ---- Progress bar ----

SkinBitmap DrawProgress() {
  Canvas C(60, 16);
  const Shape Trough = RoundRect(0, 0, 16, 12, 3);
  C.Fill(Trough, Solid(Inset));
  C.Fill(InnerStroke(Trough, 1), Solid(Hex(0x34363B)));
  // The trough's inner shadow, drawn over the whole trough: clear in the margins, darkest
  // just under the top border.
  C.Fill(Rect(19, 3, 29, 9), Vertical(3, WithAlpha(Black, 0.35f), 9, WithAlpha(Black, 0.02f)));
  C.Fill(Rect(32, 0, 48, 12), ThreeStops(0, 12, true, AccentLight, Accent, AccentDeep));
  C.Fill(Rect(32, 0, 48, 1), Solid(Hex(0xFAD3A0)));
  C.Fill(Rect(48, 0, 60, 16), ThreeStops(48, 60, false, AccentLight, Accent, AccentDeep));
  C.Fill(Rect(48, 0, 49, 16), Solid(Hex(0xFAD3A0)));
  return Finish("progress", C);
}

} // namespace

std::vector<SkinBitmap> DrawScrollers() { return {DrawScrollBars(), DrawTrackBars(), DrawProgress()}; }

} // namespace SkinGen::Ember
