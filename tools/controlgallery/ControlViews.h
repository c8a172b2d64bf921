#pragma once
// Pictures of the library's controls for people and for tests: each control in its states,
// drawn the way a form paints it, plainly or with a skin. The reference pictures of the
// control tests and the control gallery both come from here.

#include <functional>
#include <string>
#include <vector>

#include "SkinViews.h"

class TSeSkinEngine;
class TForm;

// One control's strip: Render places controls on Form (hidden, with a window), drives them
// into their states and returns their pictures side by side. A null engine: the plain look.
struct TControlView {
  std::string Name;
  std::function<TSkinPicture(TForm& Form, TSeSkinEngine* Engine)> Render;
};
const std::vector<TControlView>& ControlViews();
// Pictures side by side, tops aligned, on the backdrop: a view's strip.
TSkinPicture SideBySide(const std::vector<TSkinPicture>& Views);

// The skins the views are drawn with: a name for file names, and the skin's file ("" for the
// plain look). Built-in: the engine's stored form; Dark: a .qzkn file.
struct TViewSkin {
  std::string Name;
  std::string File;
};
std::vector<TViewSkin> ViewSkins(const std::string& BuiltIn, const std::string& Dark);

// View drawn with Skin, on a form made for it and freed afterwards. Needs the application
// object (TApplicationScope).
TSkinPicture RenderControlView(const TControlView& View, const TViewSkin& Skin);
