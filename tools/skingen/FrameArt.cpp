#include "FrameArt.h"

#include <cmath>

namespace SkinGen {

namespace {

using namespace ArtGen;

// A Width x Height rectangle at the origin with its corners rounded by the geometry's arcs.
Shape WindowOutline(const FrameGeometry& G, float Width, float Height) {
  const float TopRX = G.TopRX, TopRY = G.TopRY, BottomRX = G.BottomRX, BottomRY = G.BottomRY;
  return {[=](float X, float Y) {
            const float Box = std::max(std::max(-X, X - Width), std::max(-Y, Y - Height));
            const bool Upper = Y < Height / 2;
            const float RX = Upper ? TopRX : BottomRX, RY = Upper ? TopRY : BottomRY;
            // Offsets from the centre of the nearest corner's arc, negative towards the edges.
            const float PX = std::min(X, Width - X) - RX;
            const float PY = (Upper ? Y : Height - Y) - RY;
            if (PX >= 0 || PY >= 0)
              return Box;
            // Distance to an ellipse, close near the curve and exact for a circle.
            const float K0 = std::hypot(PX / RX, PY / RY);
            const float K1 = std::hypot(PX / (RX * RX), PY / (RY * RY));
            return K0 * (K0 - 1) / K1;
          },
          {0, 0, Width, Height}};
}

// The whole frame of a small window, B,G,R,A as SkinBitmap holds it.
std::vector<uint8_t> DrawFrame(const FrameGeometry& G, const FrameColors& K) {
  const float W = static_cast<float>(G.Width()), H = static_cast<float>(G.SideHeight());
  const float Caption = static_cast<float>(G.Caption), TopRY = G.TopRY;
  Canvas C(G.Width(), G.SideHeight());
  const Shape Outline = WindowOutline(G, W, H);
  // The caption gradient runs across the whole width, the side borders included.
  const Paint Gradient = Vertical(0, K.CaptionTop, Caption, K.CaptionBottom);
  C.Fill(Outline, [=](float X, float Y) { return Y < Caption ? Gradient(X, Y) : K.Border; });
  // One rim all round: light along the top, turning into the dark outline down the corners.
  C.Fill(InnerStroke(Outline, 1), [=](float, float Y) {
    return Mix(K.Highlight, K.Outline, std::clamp((Y - 0.5f) / TopRY, 0.0f, 1.0f));
  });
  // The line round the window body, along the caption's bottom row, the borders' inner
  // columns and the bottom border's top row.
  C.Fill(InnerStroke(Rect(G.Left - 1, Caption - 1, W - G.Right + 1, H - G.Bottom + 1), 1),
         Solid(K.Separator));
  return C.ToBgra();
}

// Copies the W x H block at SX, SY of a frame drawing FrameWidth wide to DX, DY of a piece.
void Cut(const std::vector<uint8_t>& Frame, int FrameWidth, int SX, int SY, int W, int H,
         SkinBitmap& Piece, int DX, int DY) {
  for (int Y = 0; Y < H; ++Y)
    std::copy_n(&Frame[(static_cast<size_t>(SY + Y) * FrameWidth + SX) * 4], W * 4,
                &Piece.Bgra[(static_cast<size_t>(DY + Y) * Piece.Width + DX) * 4]);
}

} // namespace

std::vector<SkinBitmap> DrawFramePieces(const FrameGeometry& G, const FrameColors& Active,
                                        const FrameColors& Inactive, const FrameNames& Names) {
  const int Side = G.SideHeight();
  SkinBitmap Top = Blank(Names.Top, G.CaptionPiece, 2 * G.Caption);
  SkinBitmap Left = Blank(Names.Left, 2 * G.Left, Side);
  SkinBitmap Right = Blank(Names.Right, 2 * G.Right, Side);
  SkinBitmap Bottom = Blank(Names.Bottom, G.BottomPiece, 2 * G.Bottom);
  for (int Half = 0; Half < 2; ++Half) {
    const std::vector<uint8_t> Frame = DrawFrame(G, Half ? Inactive : Active);
    Cut(Frame, G.Width(), G.Left, 0, G.CaptionPiece, G.Caption, Top, 0, Half * G.Caption);
    Cut(Frame, G.Width(), 0, 0, G.Left, Side, Left, Half * G.Left, 0);
    Cut(Frame, G.Width(), G.Width() - G.Right, 0, G.Right, Side, Right, Half * G.Right, 0);
    Cut(Frame, G.Width(), G.Left, Side - G.Bottom, G.BottomPiece, G.Bottom, Bottom, 0,
        Half * G.Bottom);
  }
  return {Top, Left, Right, Bottom};
}

Shape CaptionGlyphShape(CaptionGlyph Glyph, float CX, float CY) {
  switch (Glyph) {
  case CaptionGlyph::Close:
    return Union(Line(CX - 3.5f, CY - 3.5f, CX + 3.5f, CY + 3.5f, 1.5f),
                 Line(CX - 3.5f, CY + 3.5f, CX + 3.5f, CY - 3.5f, 1.5f));
  case CaptionGlyph::Maximize:
    return Union(InnerStroke(Rect(CX - 4, CY - 4, CX + 4, CY + 4), 1),
                 Rect(CX - 4, CY - 4, CX + 4, CY - 2));
  case CaptionGlyph::Restore: {
    const Shape Front = Rect(CX - 4, CY - 2, CX + 2, CY + 4);
    const Shape Back = Union(InnerStroke(Rect(CX - 2, CY - 4, CX + 4, CY + 2), 1),
                             Rect(CX - 2, CY - 4, CX + 4, CY - 3));
    return Union(Subtract(Back, Front),
                 Union(InnerStroke(Front, 1), Rect(CX - 4, CY - 2, CX + 2, CY - 1)));
  }
  case CaptionGlyph::Minimize:
    return Rect(CX - 4, CY + 2, CX + 4, CY + 4);
  case CaptionGlyph::RollUp:
    return Chevron(CX, CY, 3.5f, 0, -1, 1.5f);
  case CaptionGlyph::RollDown:
    return Chevron(CX, CY, 3.5f, 0, 1, 1.5f);
  }
  return Rect(0, 0, 0, 0);
}

SkinBitmap DrawCaptionButtonSheet(const char* Name, int Width, int Height,
                                  const CaptionButtonPainter& Paint) {
  Canvas C(6 * Width, Height);
  const CaptionState Order[] = {CaptionState::Normal,   CaptionState::Pressed,
                                CaptionState::Hot,      CaptionState::Inactive,
                                CaptionState::Disabled, CaptionState::Normal};
  for (int I = 0; I < 6; ++I)
    Paint(C, static_cast<float>(I * Width), Order[I]);
  return Finish(Name, C);
}

} // namespace SkinGen
