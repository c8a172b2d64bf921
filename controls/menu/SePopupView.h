#pragma once
// The view of a level that opens in its own window: it sizes the window to its rows and
// repaints rows and strips through the window's frame.

#include <windows.h>

#include "controls/menu/SeItemView.h"
#include "toolkit/Graphics.h"

class TSePopupForm;
class TSePopupWindow;

class TSePopupView : public TSeItemView {
public:
  explicit TSePopupView(TComponent* AOwner);
  ~TSePopupView() override;
  std::string ClassName() const override { return "TSePopupView"; }

  // The window the level shows in (also the one that converts and receives keys) and its
  // frame.
  void SetPopupWindow(TSePopupWindow* Window, TSePopupForm* Frame);

  // The window becomes the rows' size, the frame's border and the shadow.
  void SetContentSize(int Width, int Height) override;
  void RepaintAll() override;
  void RepaintItem(TSeCustomItem* Child) override;
  void RepaintScrollArrow(int Arrow) override;

private:
  // Whether the frame paints through a buffer or blends: then a row is repainted as the
  // frame's background, with every other row held back.
  bool Repaints() const;
  void RepaintRect(const TRect& Rect);

  TSePopupForm* FForm = nullptr;
  TSePopupWindow* FPopupWindow = nullptr;
  TMemoryDC FMeasureDC;
  TCanvas FMeasureCanvas;
};
