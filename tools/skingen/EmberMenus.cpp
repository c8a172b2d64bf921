// The dark skin's menus and bars: the popup frame with its items and separator, the menu
// bar, header sections, status bars with their gripper, and drop-down buttons.

#include <cmath>

#include "tools/skingen/EmberParts.h"

namespace SkinGen::Ember {

namespace {

using namespace ArtGen;

// A rounded amber highlight, stronger for the item the keyboard selected.
void DrawItemHighlight(Canvas& C, float X, float Y, float W, float H, bool Keyboard) {
  const Shape Outline = RoundRect(X, Y, X + W, Y + H, 3);
  if (Keyboard) {
    C.Fill(Outline, Solid(WithAlpha(Accent, 0.4f)));
    C.Fill(InnerStroke(Outline, 1), Solid(Accent));
  } else {
    C.Fill(Outline, Vertical(Y, WithAlpha(Accent, 0.16f), Y + H, WithAlpha(Accent, 0.26f)));
    C.Fill(InnerStroke(Outline, 1), Solid(WithAlpha(Accent, 0.5f)));
  }
}

SkinBitmap DrawMenus() {
  Canvas C(64, 64);
  DrawPopupFrame(C, Page, Hex(0x45484E), 2, Black, 0.6f);
  DrawItemHighlight(C, 16, 0, 32, 22, false);
  DrawItemHighlight(C, 16, 24, 32, 22, true);
  // Separator: an etched line across the middle of an item's height.
  C.Fill(Rect(50, 10, 62, 11), Solid(Hex(0x0E0F11)));
  C.Fill(Rect(50, 11, 62, 12), Solid(Hex(0x36383D)));
  // Menu bar: a band a shade above the window body with a dark line below.
  C.Fill(Rect(0, 48, 16, 64), Solid(Hex(0x202124)));
  C.Fill(Rect(0, 48, 16, 49), Solid(WithAlpha(White, 0.05f)));
  C.Fill(Rect(0, 63, 16, 64), Solid(Hex(0x0E0F11)));
  return Finish("menu", C);
}

void DrawSection(Canvas& C, float X, Look L) {
  constexpr float W = 16, H = 20;
  Color Top = Hex(0x2C2E32), Bottom = Hex(0x24262A), Under = Hex(0x0E0F11);
  if (L == Look::Hot)
    Top = Hex(0x36383D), Bottom = Hex(0x2C2E32), Under = Accent;
  if (L == Look::Pressed)
    Top = Hex(0x1C1D20), Bottom = Hex(0x222326), Under = AccentDeep;
  C.Fill(Rect(X, 0, X + W, H), Vertical(0, Top, H, Bottom));
  C.Fill(Rect(X, H - (L == Look::Normal ? 1 : 2), X + W, H), Solid(Under));
  // The divider on the right fades out towards both ends.
  C.Fill(Rect(X + W - 1, 0, X + W, H - 2), [=](float, float Y) {
    const float T = Y / (H - 2);
    return WithAlpha(Hex(0x4A4D54), std::clamp(1 - std::fabs(T * 2 - 1) * 1.2f, 0.0f, 1.0f));
  });
}

SkinBitmap DrawHeader() {
  Canvas C(48, 20);
  DrawSection(C, 0, Look::Normal);
  DrawSection(C, 16, Look::Hot);
  DrawSection(C, 32, Look::Pressed);
  return Finish("header", C);
}

SkinBitmap DrawBars() {
  Canvas C(50, 20);
  // Status bar: a dark line and a faint light one along the top of a flat band.
  C.Fill(Rect(0, 0, 16, 16), Solid(Hex(0x1F2023)));
  C.Fill(Rect(0, 0, 16, 1), Solid(Hex(0x0E0F11)));
  C.Fill(Rect(0, 1, 16, 2), Solid(WithAlpha(White, 0.05f)));
  const Shape Panel = RoundRect(16, 0, 32, 16, 3);
  C.Fill(Panel, Solid(Hex(0x18191C)));
  C.Fill(InnerStroke(Panel, 1), Solid(Hex(0x34363B)));
  // Size gripper: six dots on the diagonal, each with a dark dot below it.
  for (int Row = 0; Row < 3; ++Row)
    for (int Column = 2 - Row; Column < 3; ++Column) {
      const float DX = 32 + 3.0f + 3.0f * Column, DY = 3.0f + 3.0f * Row;
      C.Fill(Rect(DX + 1, DY + 1, DX + 3, DY + 3), Solid(Black));
      C.Fill(Rect(DX, DY, DX + 2, DY + 2), Solid(Hex(0x6A6D74)));
    }
  // Toolbar chevron: two small right-pointing chevrons.
  C.Fill(Union(Chevron(34.5f, 16, 2.5f, 1, 0, 1.3f), Chevron(37.5f, 16, 2.5f, 1, 0, 1.3f)),
         Solid(Ink));
  // Grabber: a column of dots.
  for (int Dot = 0; Dot < 5; ++Dot) {
    const float DY = 2.0f + 3.5f * Dot;
    C.Fill(Rect(46, DY + 1, 48, DY + 3), Solid(Black));
    C.Fill(Rect(45, DY, 47, DY + 2), Solid(Hex(0x6A6D74)));
  }
  return Finish("bars", C);
}

SkinBitmap DrawDropDownButtons() {
  Canvas C(64, 16);
  const Look Order[] = {Look::Normal, Look::Hot, Look::Pressed, Look::Disabled};
  for (int I = 0; I < 4; ++I)
    DrawArrowButton(C, static_cast<float>(16 * I), 0, 16, Order[I], 0, 1);
  return Finish("arrows", C);
}

} // namespace

std::vector<SkinBitmap> DrawMenusAndBars() {
  return {DrawMenus(), DrawHeader(), DrawBars(), DrawDropDownButtons()};
}

} // namespace SkinGen::Ember
