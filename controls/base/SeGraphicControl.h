#pragma once
// The windowless base of the skinned controls: the buffering mode, see-through painting and
// translucency of the windowed base, and hover tracking; no frame and no focus.

#include <windows.h>

#include <string>

#include "controls/base/SeControlBase.h"
#include "toolkit/Controls.h"

class TSeGraphicControl : public TSeControlBase<TGraphicControl> {
public:
  explicit TSeGraphicControl(TComponent* AOwner);
  std::string ClassName() const override { return "TSeGraphicControl"; }

  // What the parent shows under the control, painted into DC at the control's coordinates;
  // nothing while the parent has no window.
  void DrawParentBackground(HDC DC);

protected:
  void Paint() override;
  // Fills the client rectangle with Color unless Transparent.
  virtual void PaintClient();
};
