#include "toolkit/StdCtrls.h"

#include <vector>

// ---------------------------------------------------------------------------------------
// TButton

void TButton::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.WinClassName = "BUTTON";
  Params.Style |= BS_PUSHBUTTON | WS_TABSTOP;
}

LRESULT TButton::CNCommand(WORD Code) {
  if (Code == BN_CLICKED)
    Click();
  return 0;
}

// ---------------------------------------------------------------------------------------
// TCheckBox

bool TCheckBox::Checked() const { return FChecked; }

void TCheckBox::SetChecked(bool Value) {
  if (Value == FChecked)
    return;
  FChecked = Value;
  if (HandleAllocated())
    SendMessageA(Handle(), BM_SETCHECK, FChecked ? BST_CHECKED : BST_UNCHECKED, 0);
  Click();
}

void TCheckBox::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.WinClassName = "BUTTON";
  Params.Style |= BS_AUTOCHECKBOX | WS_TABSTOP;
}

void TCheckBox::CreateWnd() {
  TWinControl::CreateWnd();
  SendMessageA(Handle(), BM_SETCHECK, FChecked ? BST_CHECKED : BST_UNCHECKED, 0);
}

LRESULT TCheckBox::CNCommand(WORD Code) {
  if (Code == BN_CLICKED) {
    FChecked = SendMessageA(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
    Click();
  }
  return 0;
}

// ---------------------------------------------------------------------------------------
// TLabel

TLabel::TLabel(TComponent* AOwner) : TGraphicControl(AOwner) {}

void TLabel::SetWordWrap(bool Value) {
  if (Value != FWordWrap) {
    FWordWrap = Value;
    AdjustBounds();
    Invalidate();
  }
}

void TLabel::SetAutoSize(bool Value) {
  if (Value != FAutoSize) {
    FAutoSize = Value;
    AdjustBounds();
  }
}

void TLabel::AdjustBounds() {
  if (!FAutoSize || FWordWrap)
    return;
  const HDC DC = GetDC(nullptr);
  const HGDIOBJ Old = SelectObject(DC, Font().Handle());
  RECT Area{0, 0, 0, 0};
  const std::string Text = Caption().empty() ? std::string(" ") : Caption();
  DrawTextA(DC, Text.c_str(), -1, &Area, DT_CALCRECT | DT_SINGLELINE);
  SelectObject(DC, Old);
  ReleaseDC(nullptr, DC);
  SetBounds(Left(), Top(), Area.right, Area.bottom);
}

void TLabel::Paint(TCanvas& Canvas) {
  if (!Enabled())
    Canvas.Font.SetColor(clGrayText);
  Canvas.TextRect(ClientRect(), Caption(), FWordWrap ? DT_WORDBREAK : DT_SINGLELINE);
}

// ---------------------------------------------------------------------------------------
// TEdit

void TEdit::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.WinClassName = "EDIT";
  Params.Style |= ES_AUTOHSCROLL | WS_TABSTOP;
  if (ReadOnly)
    Params.Style |= ES_READONLY;
  Params.ExStyle |= WS_EX_CLIENTEDGE;
}

LRESULT TEdit::CNCommand(WORD Code) {
  if (Code == EN_CHANGE) {
    // Keep the caption in step with what the user typed.
    const int Length = GetWindowTextLengthA(Handle());
    std::vector<char> Buffer(static_cast<size_t>(Length) + 1);
    GetWindowTextA(Handle(), Buffer.data(), Length + 1);
    if (Caption() != Buffer.data())
      SetCaption(Buffer.data());
  }
  return 0;
}

// ---------------------------------------------------------------------------------------
// TGroupBox

void TGroupBox::PaintContent(TCanvas& Canvas) {
  const SIZE Text = Canvas.TextExtent(Caption().empty() ? std::string("0") : Caption());
  RECT Frame = ClientRect();
  Frame.top = Caption().empty() ? 0 : Text.cy / 2;
  DrawEdge(Canvas.Handle(), &Frame, EDGE_ETCHED, BF_RECT);
  if (Caption().empty())
    return;
  RECT Label{8, 0, 8 + Text.cx + 4, Text.cy};
  Canvas.Brush.Color = Color();
  Canvas.FillRect(Label);
  Label.left += 2;
  Canvas.TextRect(Label, Caption(), DT_SINGLELINE);
}
