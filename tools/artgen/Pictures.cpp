#include "Pictures.h"

#include "Font.h"
#include "Motifs.h"

namespace ArtGen {

void DrawSocket(Canvas& Target, bool Loaded) {
  Target.Clear(Palette::DialogFace);
  // The well is 31 pixels square so that its centre falls on a pixel's middle; the last row
  // and column carry the light lower edge of the recess.
  Target.Fill(RoundRect(1, 1, 32, 32, 3.5f), Solid(Palette::White));
  const Shape Well = RoundRect(0, 0, 31, 31, 3.5f);
  Target.Fill(Well, LinearGradient(0, 0, Rgb(176, 190, 204), 0, 31, Rgb(226, 233, 240)));
  // Shade from the upper rim falling into the well.
  const Shape Inside = Grow(Well, -1);
  Target.Fill(Subtract(Inside, Translate(Inside, 1.5f, 2.5f)), Solid(Rgb(40, 60, 80, 0.35f)), 1,
              2.5f);
  Target.Fill(InnerStroke(Well, 1),
              LinearGradient(0, 0, Rgb(96, 112, 130), 0, 31, Rgb(150, 164, 178)));
  if (Loaded) {
    ReticleShape Form;
    Form.RingRadius = 7;
    Form.RingWidth = 1.5f;
    Form.ArmStart = 3;
    Form.ArmEnd = 11.5f;
    Target.Fill(Translate(Circle(15.5f, 15.5f, 9), 0.5f, 1), Solid(Rgb(0, 0, 0, 0.12f)), 1, 3);
    DrawReticle(Target, 15.5f, 15.5f, Form);
  } else {
    // The empty recess the reticle was lifted from.
    Target.Fill(Stroke(Circle(15.5f, 15.5f, 7), 2.2f), Solid(Rgb(60, 80, 100, 0.1f)));
    Target.Fill(Stroke(Circle(15.5f, 16.5f, 7), 1.2f), Solid(Rgb(255, 255, 255, 0.35f)));
  }
}

namespace {

// One window of the desktop picture, its top left at (Left, Top).
void DrawWindow(Canvas& Target, float Left, float Top, const Color& TitleFrom,
                const Color& TitleTo) {
  const float Width = 34, Height = 25, Title = 6;
  const Shape Frame = RoundRect(Left, Top, Left + Width, Top + Height, 2);
  Target.Fill(Translate(Frame, 1, 1.5f), Solid(Rgb(10, 30, 50, 0.35f)), 1, 3);
  Target.Fill(Frame, LinearGradient(0, Top, Palette::Paper, 0, Top + Height, Rgb(226, 234, 242)));
  Target.Fill(Intersect(Frame, Rect(Left, Top, Left + Width, Top + Title)),
              LinearGradient(Left, 0, TitleFrom, Left + Width, 0, TitleTo));
  Target.Fill(Rect(Left + Width - 5, Top + 2, Left + Width - 2, Top + 4),
              Solid(Rgb(255, 255, 255, 0.85f)));
  const float Lines[] = {24, 18, 26, 14};
  float Row = Top + Title + 3;
  for (float Length : Lines) {
    Target.Fill(Rect(Left + 3, Row, Left + 3 + Length, Row + 1), Solid(Rgb(150, 166, 184)));
    Row += 3.5f;
  }
  Target.Fill(InnerStroke(Frame, 1), Solid(Rgb(40, 62, 88, 0.85f)));
}

} // namespace

void DrawDesktop(Canvas& Target, bool Translucent) {
  const float W = static_cast<float>(Target.Width()), H = static_cast<float>(Target.Height());
  Target.Clear(Palette::DialogFace);
  const Shape Frame = RoundRect(0, 0, W, H, 3);
  const Shape Screen = Grow(Frame, -1);
  // A calm wallpaper: sky, a low sun and two hills, so that anything see-through shows it.
  Target.Fill(Frame, Solid(Rgb(70, 92, 116)));
  Target.Fill(Screen, LinearGradient(0, 0, Rgb(104, 164, 214), 0, H, Rgb(198, 230, 240)));
  Target.Fill(Intersect(Screen, Circle(50, 13, 11)), Solid(Rgb(255, 246, 214, 0.35f)), 1, 6);
  Target.Fill(Intersect(Screen, Circle(50, 13, 5.5f)), Solid(Rgb(255, 244, 206)));
  Target.Fill(Intersect(Screen, Circle(12, 78, 36)),
              LinearGradient(0, 40, Rgb(72, 178, 150), 0, H, Rgb(40, 130, 118)));
  Target.Fill(Intersect(Screen, Circle(58, 86, 42)),
              LinearGradient(0, 44, Rgb(46, 150, 150), 0, H, Rgb(28, 104, 112)));

  struct Placement {
    float Left, Top;
    Color From, To;
  };
  const Placement Windows[] = {
      {5, 5, Palette::Navy, Palette::Blue},
      {15, 15, Palette::Blue, Palette::Sky},
      {25, 26, Rgb(22, 120, 124), Palette::Teal},
  };
  for (const Placement& P : Windows) {
    // Each window is drawn whole and then faded as one, as a translucent window would be.
    Canvas Layer(Target.Width(), Target.Height());
    DrawWindow(Layer, P.Left, P.Top, P.From, P.To);
    Target.Draw(Layer, Translucent ? 0.5f : 1.0f);
  }
}

void DrawBanner(Canvas& Target) {
  const float W = static_cast<float>(Target.Width()), H = static_cast<float>(Target.Height());
  Target.Fill(Rect(0, 0, W, H), LinearGradient(0, 0, Rgb(250, 252, 254), W, H, Rgb(214, 232, 242)));
  // Soft overlapping discs echo the translucent windows.
  Target.Fill(Circle(318, 18, 58), Solid(Rgb(96, 168, 226, 0.10f)), 1, 2);
  Target.Fill(Circle(360, 86, 48), Solid(Rgb(36, 164, 158, 0.10f)), 1, 2);
  Target.Fill(Circle(266, 104, 34), Solid(Rgb(96, 168, 226, 0.07f)), 1, 2);

  DrawEmblem(Target, 18, 16, 64);

  TextStyle Title;
  Title.Unit = 5;
  Title.Weight = 5.6f;
  Title.Tracking = 2.3f;
  const float TextLeft = 104, Baseline = 56;
  const Shape Name = TextShape("Mirevan", TextLeft, Baseline, Title);
  Target.Fill(Translate(Name, 0, 1.5f), Solid(Rgb(20, 40, 70, 0.18f)), 1, 2.5f);
  Target.Fill(Name, LinearGradient(0, Baseline - FontCapHeight * Title.Unit, Palette::Blue, 0,
                                   Baseline, Palette::Navy));

  TextStyle Tag;
  Tag.Unit = 1.5f;
  Tag.Weight = 1.35f;
  Tag.Tracking = 2.2f;
  Target.Fill(TextShape("translucent windows", TextLeft + 1, 78, Tag), Solid(Rgb(46, 110, 122)));

  // A thin accent along the bottom edge.
  Target.Fill(Rect(0, H - 3, W, H), LinearGradient(0, 0, Palette::Teal, W, 0, Palette::Sky));
}

} // namespace ArtGen
