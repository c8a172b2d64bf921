#include "controls/hint/SeHintWindow.h"

#include "controls/hint/SeCustomHint.h"
#include "controls/hint/SeHintForm.h"
#include "toolkit/GdiGuards.h"

TSeHintWindow::TSeHintWindow(TComponent* AOwner)
    : THintWindow(AOwner), FForm(MakeComponent<TSeHintForm>(this)) {}

TSeHintWindow::~TSeHintWindow() { ReplaceReference(FHint, static_cast<TSeCustomHint*>(nullptr)); }

void TSeHintWindow::CreateParams(TCreateParams& Params) {
  THintWindow::CreateParams(Params);
  Params.Style = WS_POPUP;
  Params.ExStyle = WS_EX_TOOLWINDOW | BiDiModeExStyle();
}

void TSeHintWindow::Notification(TComponent* AComponent, TOperation Operation) {
  THintWindow::Notification(AComponent, Operation);
  if (Operation == TOperation::opRemove && AComponent == FHint)
    FHint = nullptr;
}

void TSeHintWindow::Attach(void* Data) { ReplaceReference(FHint, AsHintComponent(Data)); }

RECT TSeHintWindow::CalcHintRect(int MaxWidth, const std::string& Text, void* Data) {
  Attach(Data);
  if (!FHint)
    return THintWindow::CalcHintRect(MaxWidth, Text, Data);
  const TScreenScratchDC Screen;
  TCanvas Canvas(Screen.DC());
  Canvas.Font.Assign(HintFont());
  const TRect Size = FHint->CalcRect(Canvas, Text);
  return {Size.Left, Size.Top, Size.Right, Size.Bottom};
}

void TSeHintWindow::ActivateHintData(const RECT& Rect, const std::string& Text, void* Data) {
  Attach(Data);
  ActivateHint(Rect, Text);
}

void TSeHintWindow::ActivateHint(const RECT& Rect, const std::string& Text) {
  const TActivation Activation(*this);
  SetCaption(Text);
  const RECT Place = KeptOnDesktop(Rect);
  SetBounds(Place.left, Place.top, Place.right - Place.left, Place.bottom - Place.top);
  if (FHint) {
    FForm->Blending().Assign(FHint->Blending());
    FForm->Shadow().Assign(FHint->Shadow());
    FForm->Animation().Assign(FHint->Animation());
    FForm->Loaded();
  }
  ShowTopmost(Place);
  Invalidate();
}

void TSeHintWindow::Paint() {
  if (FForm->ControlHook())
    return;
  Canvas().Font.Assign(HintFont());
  PaintPlainHint(Canvas(), {0, 0, Width(), Height()}, Caption());
}
