#pragma once
// The library's hint window: a plain pop-up that the hint form frames. The hint component it
// is given (as the hint's data) measures and paints the text and lends the frame its
// translucency, shadow and show transition; without one it is the plain hint.

#include <string>

#include "toolkit/Forms.h"

class TSeCustomHint;
class TSeHintForm;

class TSeHintWindow : public THintWindow {
public:
  explicit TSeHintWindow(TComponent* AOwner);
  ~TSeHintWindow() override;
  std::string ClassName() const override { return "TSeHintWindow"; }

  // Data, when it is a hint component, becomes the window's; it measures Text in the hint
  // font.
  RECT CalcHintRect(int MaxWidth, const std::string& Text, void* Data) override;
  // The text and bounds (kept on the desktop); with a hint component, its effects go to the
  // frame, which takes the window over; then shown topmost without activation.
  void ActivateHint(const RECT& Rect, const std::string& Text) override;
  void ActivateHintData(const RECT& Rect, const std::string& Text, void* Data) override;

  TSeCustomHint* Hint() const { return FHint; }
  TSeHintForm* HintForm() const { return FForm; }

protected:
  void CreateParams(TCreateParams& Params) override;
  // Once the frame has taken the window over it paints; before, the plain hint shows here.
  void Paint() override;
  SIZE TextPadding() const override { return {30, 20}; }
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  void Attach(void* Data);

  TSeCustomHint* FHint = nullptr;
  TSeHintForm* FForm = nullptr;
};
