#include "Canvas.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace ArtGen {

namespace {

float Clamp01(float Value) { return std::clamp(Value, 0.0f, 1.0f); }

uint8_t ToByte(float Value) { return static_cast<uint8_t>(std::lround(Clamp01(Value) * 255.0f)); }

Box Expand(const Box& Source, float Amount) {
  return {Source.Left - Amount, Source.Top - Amount, Source.Right + Amount, Source.Bottom + Amount};
}

} // namespace

Color Rgb(int R, int G, int B, float A) {
  return {static_cast<float>(R) / 255.0f, static_cast<float>(G) / 255.0f,
          static_cast<float>(B) / 255.0f, A};
}

Color Mix(const Color& First, const Color& Second, float T) {
  return {First.R + (Second.R - First.R) * T, First.G + (Second.G - First.G) * T,
          First.B + (Second.B - First.B) * T, First.A + (Second.A - First.A) * T};
}

Shape RoundRect(float Left, float Top, float Right, float Bottom, float Radius) {
  const float CentreX = (Left + Right) / 2, CentreY = (Top + Bottom) / 2;
  const float HalfW = (Right - Left) / 2, HalfH = (Bottom - Top) / 2;
  const float R = std::clamp(Radius, 0.0f, std::min(HalfW, HalfH));
  return {[=](float X, float Y) {
            const float QX = std::fabs(X - CentreX) - (HalfW - R);
            const float QY = std::fabs(Y - CentreY) - (HalfH - R);
            const float OX = std::max(QX, 0.0f), OY = std::max(QY, 0.0f);
            return std::sqrt(OX * OX + OY * OY) + std::min(std::max(QX, QY), 0.0f) - R;
          },
          {Left, Top, Right, Bottom}};
}

Shape Rect(float Left, float Top, float Right, float Bottom) {
  return RoundRect(Left, Top, Right, Bottom, 0);
}

Shape Circle(float CentreX, float CentreY, float Radius) {
  return {[=](float X, float Y) { return std::hypot(X - CentreX, Y - CentreY) - Radius; },
          {CentreX - Radius, CentreY - Radius, CentreX + Radius, CentreY + Radius}};
}

Shape Line(float X1, float Y1, float X2, float Y2, float Width) {
  const float DX = X2 - X1, DY = Y2 - Y1;
  const float LengthSquared = DX * DX + DY * DY;
  const float Half = Width / 2;
  return {[=](float X, float Y) {
            float T = 0;
            if (LengthSquared > 0)
              T = Clamp01(((X - X1) * DX + (Y - Y1) * DY) / LengthSquared);
            return std::hypot(X - (X1 + DX * T), Y - (Y1 + DY * T)) - Half;
          },
          {std::min(X1, X2) - Half, std::min(Y1, Y2) - Half, std::max(X1, X2) + Half,
           std::max(Y1, Y2) + Half}};
}

Shape Stroke(const Shape& Source, float Width) {
  auto Inner = Source.Distance;
  return {[=](float X, float Y) { return std::fabs(Inner(X, Y)) - Width / 2; },
          Expand(Source.Bounds, Width / 2)};
}

Shape InnerStroke(const Shape& Source, float Width) {
  auto Inner = Source.Distance;
  return {[=](float X, float Y) { return std::fabs(Inner(X, Y) + Width / 2) - Width / 2; },
          Source.Bounds};
}

Shape Grow(const Shape& Source, float Amount) {
  auto Inner = Source.Distance;
  return {[=](float X, float Y) { return Inner(X, Y) - Amount; },
          Expand(Source.Bounds, std::max(Amount, 0.0f))};
}

Shape Translate(const Shape& Source, float DX, float DY) {
  auto Inner = Source.Distance;
  const Box& B = Source.Bounds;
  return {[=](float X, float Y) { return Inner(X - DX, Y - DY); },
          {B.Left + DX, B.Top + DY, B.Right + DX, B.Bottom + DY}};
}

Shape Union(const Shape& First, const Shape& Second) {
  auto A = First.Distance, B = Second.Distance;
  return {[=](float X, float Y) { return std::min(A(X, Y), B(X, Y)); },
          {std::min(First.Bounds.Left, Second.Bounds.Left),
           std::min(First.Bounds.Top, Second.Bounds.Top),
           std::max(First.Bounds.Right, Second.Bounds.Right),
           std::max(First.Bounds.Bottom, Second.Bounds.Bottom)}};
}

Shape Intersect(const Shape& First, const Shape& Second) {
  auto A = First.Distance, B = Second.Distance;
  return {[=](float X, float Y) { return std::max(A(X, Y), B(X, Y)); },
          {std::max(First.Bounds.Left, Second.Bounds.Left),
           std::max(First.Bounds.Top, Second.Bounds.Top),
           std::min(First.Bounds.Right, Second.Bounds.Right),
           std::min(First.Bounds.Bottom, Second.Bounds.Bottom)}};
}

Shape Subtract(const Shape& From, const Shape& Cut) {
  auto A = From.Distance, B = Cut.Distance;
  return {[=](float X, float Y) { return std::max(A(X, Y), -B(X, Y)); }, From.Bounds};
}

Paint Solid(const Color& Value) {
  return [=](float, float) { return Value; };
}

Paint LinearGradient(float X1, float Y1, const Color& First, float X2, float Y2,
                     const Color& Second) {
  const float DX = X2 - X1, DY = Y2 - Y1;
  const float LengthSquared = DX * DX + DY * DY;
  return [=](float X, float Y) {
    const float T =
        LengthSquared > 0 ? Clamp01(((X - X1) * DX + (Y - Y1) * DY) / LengthSquared) : 0.0f;
    return Mix(First, Second, T);
  };
}

Paint RadialGradient(float CentreX, float CentreY, float Radius, const Color& Inner,
                     const Color& Outer) {
  return [=](float X, float Y) {
    const float T = Radius > 0 ? Clamp01(std::hypot(X - CentreX, Y - CentreY) / Radius) : 1.0f;
    return Mix(Inner, Outer, T);
  };
}

Canvas::Canvas(int Width, int Height) : FWidth(Width), FHeight(Height) {
  if (Width <= 0 || Height <= 0)
    throw std::invalid_argument("canvas size must be positive");
  FData.assign(static_cast<size_t>(Width) * static_cast<size_t>(Height) * 4, 0.0f);
}

void Canvas::Clear(const Color& Value) {
  for (size_t I = 0; I < FData.size(); I += 4) {
    FData[I] = Value.R * Value.A;
    FData[I + 1] = Value.G * Value.A;
    FData[I + 2] = Value.B * Value.A;
    FData[I + 3] = Value.A;
  }
}

void Canvas::Fill(const Shape& Area, const Paint& Fill, float Opacity, float Feather) {
  const Box B = Expand(Area.Bounds, Feather);
  const int X0 = std::max(0, static_cast<int>(std::floor(B.Left)));
  const int Y0 = std::max(0, static_cast<int>(std::floor(B.Top)));
  const int X1 = std::min(FWidth, static_cast<int>(std::ceil(B.Right)));
  const int Y1 = std::min(FHeight, static_cast<int>(std::ceil(B.Bottom)));
  for (int Y = Y0; Y < Y1; ++Y) {
    for (int X = X0; X < X1; ++X) {
      const float CX = static_cast<float>(X) + 0.5f, CY = static_cast<float>(Y) + 0.5f;
      const float Coverage = Clamp01(0.5f - Area.Distance(CX, CY) / Feather);
      if (Coverage <= 0)
        continue;
      const Color C = Fill(CX, CY);
      const float A = Clamp01(C.A) * Coverage * Opacity;
      float* P = &FData[(static_cast<size_t>(Y) * static_cast<size_t>(FWidth) + X) * 4];
      P[0] = C.R * A + P[0] * (1 - A);
      P[1] = C.G * A + P[1] * (1 - A);
      P[2] = C.B * A + P[2] * (1 - A);
      P[3] = A + P[3] * (1 - A);
    }
  }
}

void Canvas::Draw(const Canvas& Layer, float Opacity) {
  if (Layer.FWidth != FWidth || Layer.FHeight != FHeight)
    throw std::invalid_argument("layer size differs from the canvas");
  for (size_t I = 0; I < FData.size(); I += 4) {
    const float A = Layer.FData[I + 3] * Opacity;
    for (size_t C = 0; C < 3; ++C)
      FData[I + C] = Layer.FData[I + C] * Opacity + FData[I + C] * (1 - A);
    FData[I + 3] = A + FData[I + 3] * (1 - A);
  }
}

Color Canvas::Pixel(int X, int Y) const {
  if (X < 0 || Y < 0 || X >= FWidth || Y >= FHeight)
    throw std::out_of_range("pixel outside the canvas");
  const float* P = &FData[(static_cast<size_t>(Y) * static_cast<size_t>(FWidth) + X) * 4];
  if (P[3] <= 0)
    return {0, 0, 0, 0};
  return {P[0] / P[3], P[1] / P[3], P[2] / P[3], P[3]};
}

std::vector<uint8_t> Canvas::ToBgra() const {
  std::vector<uint8_t> Out;
  Out.reserve(FData.size());
  for (size_t I = 0; I < FData.size(); I += 4) {
    const uint8_t Alpha = ToByte(FData[I + 3]);
    if (Alpha == 0) {
      Out.insert(Out.end(), {0, 0, 0, 0});
      continue;
    }
    const float A = FData[I + 3];
    Out.push_back(ToByte(FData[I + 2] / A));
    Out.push_back(ToByte(FData[I + 1] / A));
    Out.push_back(ToByte(FData[I] / A));
    Out.push_back(Alpha);
  }
  return Out;
}

std::vector<uint8_t> Canvas::ToBgr(const Color& Background) const {
  std::vector<uint8_t> Out;
  Out.reserve(FData.size() / 4 * 3);
  for (size_t I = 0; I < FData.size(); I += 4) {
    const float Rest = 1 - Clamp01(FData[I + 3]);
    Out.push_back(ToByte(FData[I + 2] + Background.B * Rest));
    Out.push_back(ToByte(FData[I + 1] + Background.G * Rest));
    Out.push_back(ToByte(FData[I] + Background.R * Rest));
  }
  return Out;
}

} // namespace ArtGen
