#include "ArtKit.h"

#include <cmath>

namespace SkinGen {

using namespace ArtGen;

Color WithAlpha(Color Value, float A) {
  Value.A = A;
  return Value;
}

Paint Vertical(float Top, const Color& First, float Bottom, const Color& Second) {
  return LinearGradient(0, Top + 0.5f, First, 0, Bottom - 0.5f, Second);
}

Paint Horizontal(float Left, const Color& First, float Right, const Color& Second) {
  return LinearGradient(Left + 0.5f, 0, First, Right - 0.5f, 0, Second);
}

Paint ThreeStops(float From, float To, bool AlongY, Color A, Color B, Color C) {
  return [=](float X, float Y) {
    const float T = std::clamp(((AlongY ? Y : X) - From - 0.5f) / (To - From - 1), 0.0f, 1.0f);
    return T < 0.5f ? Mix(A, B, T * 2) : Mix(B, C, T * 2 - 1);
  };
}

Shape TopRounded(float Left, float Top, float Right, float Bottom, float Radius) {
  return Intersect(RoundRect(Left, Top, Right, Bottom + Radius + 2, Radius),
                   Rect(Left, Top, Right, Bottom));
}

Shape TopRoundedRim(float Left, float Top, float Right, float Bottom, float Radius, float Width) {
  return Intersect(InnerStroke(RoundRect(Left, Top, Right, Bottom + Radius + 2, Radius), Width),
                   Rect(Left, Top, Right, Bottom));
}

Shape Chevron(float CX, float CY, float HalfWidth, float DX, float DY, float Weight) {
  const float Depth = HalfWidth / 2;
  const float TipX = CX + DX * Depth, TipY = CY + DY * Depth;
  const float BackX = CX - DX * Depth, BackY = CY - DY * Depth;
  const float PX = -DY * HalfWidth, PY = DX * HalfWidth;
  return Union(Line(BackX + PX, BackY + PY, TipX, TipY, Weight),
               Line(TipX, TipY, BackX - PX, BackY - PY, Weight));
}

Shape ConvexPolygon(std::vector<Point> Points) {
  // Twice the signed area tells the turning direction; the outward normal of each edge
  // follows from it.
  float Area = 0;
  Box Bounds{Points[0].X, Points[0].Y, Points[0].X, Points[0].Y};
  for (size_t I = 0; I < Points.size(); ++I) {
    const Point &A = Points[I], &B = Points[(I + 1) % Points.size()];
    Area += A.X * B.Y - B.X * A.Y;
    Bounds = {std::min(Bounds.Left, A.X), std::min(Bounds.Top, A.Y), std::max(Bounds.Right, A.X),
              std::max(Bounds.Bottom, A.Y)};
  }
  const float Turn = Area > 0 ? 1.0f : -1.0f;
  return {[=](float X, float Y) {
            float Distance = -1e9f;
            for (size_t I = 0; I < Points.size(); ++I) {
              const Point &A = Points[I], &B = Points[(I + 1) % Points.size()];
              const float EX = B.X - A.X, EY = B.Y - A.Y, Length = std::hypot(EX, EY);
              // The edge's normal pointing out of the polygon.
              const float NX = Turn * EY / Length, NY = -Turn * EX / Length;
              Distance = std::max(Distance, (X - A.X) * NX + (Y - A.Y) * NY);
            }
            return Distance;
          },
          Bounds};
}

Paint BoxShadow(const Color& Ink, float Left, float Top, float Near, float Far, float Rise,
                float Strength) {
  const auto Smooth = [](float T) {
    T = std::clamp(T, 0.0f, 1.0f);
    return T * T * (3 - 2 * T);
  };
  return [=](float X, float Y) {
    const float FX = Smooth((X - Left) / Rise) * (1 - Smooth((X - Near) / (Far - Near)));
    const float FY = Smooth((Y - Top) / Rise) * (1 - Smooth((Y - Near) / (Far - Near)));
    return WithAlpha(Ink, Strength * FX * FY);
  };
}

void DrawPopupFrame(Canvas& C, const Color& Fill, const Color& Border, float Radius,
                    const Color& ShadowInk, float ShadowStrength) {
  C.Fill(Rect(0, 0, 16, 16), BoxShadow(ShadowInk, 0.5f, 0.5f, 14, 16, 2, ShadowStrength));
  const Shape Popup = RoundRect(0, 0, 14, 14, Radius);
  C.Fill(Popup, Solid(Fill));
  C.Fill(InnerStroke(Popup, 1), Solid(Border));
}

SkinBitmap Finish(const char* Name, const Canvas& Picture) {
  return {Name, Picture.Width(), Picture.Height(), Picture.ToBgra()};
}

SkinBitmap Blank(const char* Name, int Width, int Height) {
  return {Name, Width, Height, std::vector<uint8_t>(static_cast<size_t>(Width) * Height * 4)};
}

} // namespace SkinGen
