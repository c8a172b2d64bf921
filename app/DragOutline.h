#pragma once
// The drag tool's outline: a black band four pixels wide around the picked window, drawn by
// a window of its own that lies over every other and lets the pointer through. Hidden, it
// gives back whatever lies under it as that window now paints it; an outline inverted onto
// the screen instead leaves lines wherever a window repainted beneath it meanwhile.

#include <windows.h>

#include <string>

#include "toolkit/Form.h"

class TDragOutline : public TForm {
public:
  static constexpr int BandWidth = 4;

  // Black: the form's background is the band.
  explicit TDragOutline(TComponent* AOwner);
  std::string ClassName() const override { return "TDragOutline"; }

  // The band around Bounds (screen coordinates), straddling their edges as a pen of the
  // band's width would; an empty rectangle hides it.
  void Surround(const RECT& Bounds);

  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override;

protected:
  void CreateParams(TCreateParams& Params) override;
  void VisibleChanged() override;
};
