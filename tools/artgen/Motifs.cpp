#include "Motifs.h"

#include <cmath>

namespace ArtGen {

void DrawEmblem(Canvas& Target, float Left, float Top, float Size) {
  const float U = Size / 16.0f;
  const float Edge = U < 3 ? 1.0f : std::floor(0.7f * U);
  const float Radius = 1.5f * U;
  const float TitleHeight = U < 2 ? 3.0f : std::round(2.5f * U);
  const auto X = [&](float V) { return Left + V * U; };
  const auto Y = [&](float V) { return Top + V * U; };

  // The solid window at the back.
  const Shape Back = RoundRect(X(1), Y(1), X(12), Y(11), Radius);
  if (U >= 2)
    Target.Fill(Translate(Back, 0, 0.5f * U), Solid(Rgb(0, 0, 0, 0.22f)), 1, 1.5f * U);
  Target.Fill(Back, LinearGradient(0, Y(1), Palette::Sky, 0, Y(11), Palette::Blue));
  Target.Fill(Intersect(Back, Rect(X(1), Y(1), X(12), Y(1) + TitleHeight)),
              LinearGradient(X(1), 0, Palette::Navy, X(12), 0, Palette::Blue));
  if (U >= 2) {
    // Lines of content, running on under the front window where they show through it.
    const float Thick = std::max(1.0f, std::round(0.5f * U));
    const float Lines[][2] = {{3, 10}, {3, 8.5f}, {3, 10}};
    float Row = Y(1) + TitleHeight + std::round(1.5f * U);
    for (const auto& L : Lines) {
      Target.Fill(Rect(X(L[0]), Row, X(L[1]), Row + Thick), Solid(Rgb(255, 255, 255, 0.8f)));
      Row += std::round(1.5f * U);
    }
  }
  Target.Fill(InnerStroke(Back, Edge), Solid(Palette::Navy));

  // The translucent window in front.
  const Shape Front = RoundRect(X(4), Y(5), X(15), Y(15), Radius);
  Target.Fill(Front, LinearGradient(X(4), Y(5), Rgb(214, 244, 240, 0.62f), X(15), Y(15),
                                    Rgb(120, 206, 198, 0.5f)));
  if (U >= 2) {
    // Light catching the upper left of the glass.
    Target.Fill(Front, LinearGradient(X(4), Y(5), Rgb(255, 255, 255, 0.45f), X(9.5f), Y(11),
                                      Rgb(255, 255, 255, 0)));
  }
  Target.Fill(
      Intersect(Front, Rect(X(4), Y(5), X(15), Y(5) + TitleHeight)),
      LinearGradient(X(4), 0, Rgb(28, 150, 148, 0.92f), X(15), 0, Rgb(60, 190, 180, 0.92f)));
  Target.Fill(InnerStroke(Front, Edge), Solid(Palette::DeepTeal));
}

void DrawReticle(Canvas& Target, float CentreX, float CentreY, const ReticleShape& Form) {
  const float H = Form.LightWidth / 2;
  const float S = Form.ArmStart, E = Form.ArmEnd;
  Shape Light = Stroke(Circle(CentreX, CentreY, Form.RingRadius), Form.RingWidth);
  Light = Union(Light, Rect(CentreX - H, CentreY - E, CentreX + H, CentreY - S));
  Light = Union(Light, Rect(CentreX - H, CentreY + S, CentreX + H, CentreY + E));
  Light = Union(Light, Rect(CentreX - E, CentreY - H, CentreX - S, CentreY + H));
  Light = Union(Light, Rect(CentreX + S, CentreY - H, CentreX + E, CentreY + H));
  Light = Union(Light, Rect(CentreX - H, CentreY - H, CentreX + H, CentreY + H));
  Target.Fill(Grow(Light, Form.RimWidth), Solid(Palette::Ink));
  Target.Fill(Light, Solid(Palette::White));
}

} // namespace ArtGen
