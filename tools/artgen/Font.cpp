#include "Font.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace ArtGen {

namespace {

struct Point {
  float X, Y;
};
using Path = std::vector<Point>;

struct Glyph {
  float Width = 0; // between the outermost stroke centre lines
  std::vector<Path> Paths;
};

constexpr float Pi = 3.14159265358979f;

// Appends an elliptical arc, angles in degrees counter-clockwise from the +X axis with Y
// pointing up, going from From to To in whichever direction their order gives.
void AddArc(Path& Target, float CX, float CY, float RX, float RY, float From, float To) {
  const int Steps = std::max(2, static_cast<int>(std::ceil(std::fabs(To - From) / 7.5f)));
  for (int I = 0; I <= Steps; ++I) {
    const float A = (From + (To - From) * static_cast<float>(I) / Steps) * Pi / 180.0f;
    Target.push_back({CX + RX * std::cos(A), CY + RY * std::sin(A)});
  }
}

Path Arc(float CX, float CY, float R, float From, float To) {
  Path P;
  AddArc(P, CX, CY, R, R, From, To);
  return P;
}

std::map<char, Glyph> BuildGlyphs() {
  std::map<char, Glyph> G;
  G[' '] = {2.2f, {}};
  G['M'] = {6.0f, {{{0, 0}, {0, 7}, {3, 2.2f}, {6, 7}, {6, 0}}}};
  G['a'] = {5.0f, {Arc(2.5f, 2.5f, 2.5f, 0, 360), {{5, 5}, {5, 0}}}};
  G['c'] = {4.3f, {Arc(2.5f, 2.5f, 2.5f, 45, 315)}};
  G['d'] = {5.0f, {Arc(2.5f, 2.5f, 2.5f, 0, 360), {{5, 7.5f}, {5, 0}}}};
  {
    Path E{{0, 2.5f}};
    AddArc(E, 2.5f, 2.5f, 2.5f, 2.5f, 0, 320);
    G['e'] = {5.0f, {E}};
  }
  G['i'] = {0.0f, {{{0, 0}, {0, 5}}, {{0, 6.9f}, {0, 6.9f}}}};
  G['l'] = {0.0f, {{{0, 0}, {0, 7.5f}}}};
  {
    Path N = Arc(2.1f, 2.9f, 2.1f, 180, 0);
    N.push_back({4.2f, 0});
    G['n'] = {4.2f, {{{0, 0}, {0, 5}}, N}};
  }
  G['o'] = {5.0f, {Arc(2.5f, 2.5f, 2.5f, 0, 360)}};
  G['r'] = {3.15f, {{{0, 0}, {0, 5}}, Arc(2.1f, 2.9f, 2.1f, 180, 60)}};
  {
    Path S;
    AddArc(S, 2.1f, 3.75f, 1.9f, 1.25f, 25, 270);
    AddArc(S, 2.1f, 1.25f, 2.1f, 1.25f, 90, -155);
    G['s'] = {4.2f, {S}};
  }
  {
    Path T{{1, 6.6f}};
    AddArc(T, 2.2f, 1.2f, 1.2f, 1.2f, 180, 270);
    T.push_back({3.0f, 0});
    G['t'] = {3.0f, {T, {{0, 5}, {3, 5}}}};
  }
  {
    Path U{{0, 5}};
    AddArc(U, 2.1f, 2.1f, 2.1f, 2.1f, 180, 360);
    G['u'] = {4.2f, {U, {{4.2f, 5}, {4.2f, 0}}}};
  }
  G['v'] = {5.0f, {{{0, 5}, {2.5f, 0}, {5, 5}}}};
  G['w'] = {7.0f, {{{0, 5}, {1.75f, 0}, {3.5f, 4.2f}, {5.25f, 0}, {7, 5}}}};
  return G;
}

const std::map<char, Glyph>& Glyphs() {
  static const std::map<char, Glyph> Table = BuildGlyphs();
  return Table;
}

const Glyph& Find(char C) {
  const auto It = Glyphs().find(C);
  if (It == Glyphs().end())
    throw std::invalid_argument(std::string("no letterform for '") + C + "'");
  return It->second;
}

struct Segment {
  float X1, Y1, DX, DY, LengthSquared;
};

} // namespace

bool CanDraw(std::string_view Text) {
  return std::all_of(Text.begin(), Text.end(), [](char C) { return Glyphs().count(C) != 0; });
}

float TextWidth(std::string_view Text, const TextStyle& Style) {
  if (Text.empty())
    return 0;
  float Units = 0;
  for (char C : Text)
    Units += Find(C).Width;
  Units += Style.Tracking * static_cast<float>(Text.size() - 1);
  return Units * Style.Unit + Style.Weight;
}

Shape TextShape(std::string_view Text, float Left, float Baseline, const TextStyle& Style) {
  auto Segments = std::make_shared<std::vector<Segment>>();
  const float Half = Style.Weight / 2;
  Box Bounds{1e30f, 1e30f, -1e30f, -1e30f};
  float Pen = Left + Half;
  for (char C : Text) {
    const Glyph& G = Find(C);
    const auto Add = [&](const Point& A, const Point& B) {
      const float X1 = Pen + A.X * Style.Unit, Y1 = Baseline - A.Y * Style.Unit;
      const float X2 = Pen + B.X * Style.Unit, Y2 = Baseline - B.Y * Style.Unit;
      const float DX = X2 - X1, DY = Y2 - Y1;
      Segments->push_back({X1, Y1, DX, DY, DX * DX + DY * DY});
      Bounds.Left = std::min({Bounds.Left, X1 - Half, X2 - Half});
      Bounds.Right = std::max({Bounds.Right, X1 + Half, X2 + Half});
      Bounds.Top = std::min({Bounds.Top, Y1 - Half, Y2 - Half});
      Bounds.Bottom = std::max({Bounds.Bottom, Y1 + Half, Y2 + Half});
    };
    for (const Path& P : G.Paths) {
      if (P.size() == 1)
        Add(P[0], P[0]); // a dot
      for (size_t I = 0; I + 1 < P.size(); ++I)
        Add(P[I], P[I + 1]);
    }
    Pen += (G.Width + Style.Tracking) * Style.Unit;
  }
  if (Segments->empty())
    return {[](float, float) { return 1e30f; }, {Left, Baseline, Left, Baseline}};
  return {[Segments, Half](float X, float Y) {
            float Best = 1e30f;
            for (const Segment& S : *Segments) {
              float T = 0;
              if (S.LengthSquared > 0)
                T = std::clamp(((X - S.X1) * S.DX + (Y - S.Y1) * S.DY) / S.LengthSquared, 0.0f,
                               1.0f);
              const float EX = X - (S.X1 + S.DX * T), EY = Y - (S.Y1 + S.DY * T);
              Best = std::min(Best, EX * EX + EY * EY);
            }
            return std::sqrt(Best) - Half;
          },
          Bounds};
}

} // namespace ArtGen
