// The dark skin's window frames: a charcoal caption whose top edge glows amber while the
// window is active, its caption buttons, the window body, and the smaller frame of tool
// windows.

#include "tools/skingen/EmberArt.h"
#include "tools/skingen/EmberParts.h"

namespace SkinGen::Ember {

namespace {

using namespace ArtGen;

constexpr FrameColors ActiveFrame{Hex(0x3A3C41), Hex(0x26272B), AccentLight,
                                  Hex(0x0B0B0D), Hex(0x26272B), Hex(0x121315)};
constexpr FrameColors InactiveFrame{Hex(0x2E2F33), Hex(0x25262A), Hex(0x4A4C51),
                                    Hex(0x0E0E10), Hex(0x25262A), Hex(0x161719)};

using GlyphAt = std::function<Shape(float CX, float CY)>;

// Flat until the pointer comes: no face at rest, an amber face when hot (red for close), a
// sunken one when pressed; the glyph alone tells inactive and disabled windows apart.
void DrawCaptionButton(Canvas& C, float X, int Width, int Height, const GlyphAt& Glyph, bool Close,
                       CaptionState S) {
  const float W = static_cast<float>(Width), H = static_cast<float>(Height);
  const Shape Face = RoundRect(X, 0, X + W, H, 3);
  Color GlyphColor = Hex(0xCFC8BE);
  float Shift = 0;
  switch (S) {
  case CaptionState::Normal:
    break;
  case CaptionState::Hot:
    if (Close) {
      C.Fill(Face, Vertical(0, Hex(0xE0553A), H, Hex(0xC23A22)));
      GlyphColor = White;
    } else {
      C.Fill(Face, Vertical(0, AccentLight, H, Accent));
      GlyphColor = Body;
    }
    C.Fill(InnerStroke(Face, 1), Solid(WithAlpha(White, 0.25f)));
    break;
  case CaptionState::Pressed:
    C.Fill(Face, Solid(WithAlpha(Black, 0.45f)));
    C.Fill(InnerStroke(Face, 1), Solid(Close ? Hex(0xE0553A) : Accent));
    GlyphColor = Close ? Hex(0xF08A70) : AccentLight;
    Shift = 1;
    break;
  case CaptionState::Inactive:
    GlyphColor = Hex(0x77736D);
    break;
  case CaptionState::Disabled:
    GlyphColor = Hex(0x45433F);
    break;
  }
  C.Fill(Glyph(X + W / 2, static_cast<float>(Height / 2) + Shift), Solid(GlyphColor));
}

SkinBitmap DrawButtons(const char* Name, int Width, int Height, const GlyphAt& Glyph,
                       bool Close = false) {
  return DrawCaptionButtonSheet(Name, Width, Height, [=](Canvas& C, float X, CaptionState S) {
    DrawCaptionButton(C, X, Width, Height, Glyph, Close, S);
  });
}

GlyphAt Standard(CaptionGlyph Glyph) {
  return [Glyph](float CX, float CY) { return CaptionGlyphShape(Glyph, CX, CY); };
}

// The system menu button shows the window's icon; where it has none to show, an ember.
Shape Ember(float CX, float CY) {
  return Union(InnerStroke(Circle(CX, CY, 4.5f), 1.3f), Circle(CX, CY, 1.8f));
}

} // namespace

std::vector<SkinBitmap> DrawFrames() {
  std::vector<SkinBitmap> Out =
      DrawFramePieces(EmberFrame, ActiveFrame, InactiveFrame, {"top", "left", "right", "bottom"});
  Out.push_back(DrawButtons("btnclose", 20, 16, Standard(CaptionGlyph::Close), true));
  Out.push_back(DrawButtons("btnmax", 20, 16, Standard(CaptionGlyph::Maximize)));
  Out.push_back(DrawButtons("btnrestore", 20, 16, Standard(CaptionGlyph::Restore)));
  Out.push_back(DrawButtons("btnmin", 20, 16, Standard(CaptionGlyph::Minimize)));
  Out.push_back(DrawButtons("btnroll", 20, 16, Standard(CaptionGlyph::RollUp)));
  Out.push_back(DrawButtons("btnrolldown", 20, 16, Standard(CaptionGlyph::RollDown)));
  Out.push_back(DrawButtons("btnsys", 16, 16, Ember));

  Canvas Client(32, 32);
  Client.Clear(Body);
  Out.push_back(Finish("client", Client));

  for (SkinBitmap& Piece : DrawFramePieces(EmberToolFrame, ActiveFrame, InactiveFrame,
                                           {"tooltop", "toolleft", "toolright", "toolbottom"}))
    Out.push_back(std::move(Piece));
  Out.push_back(DrawButtons("toolclose", 16, 13, Standard(CaptionGlyph::Close), true));
  return Out;
}

} // namespace SkinGen::Ember
