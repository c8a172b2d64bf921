#pragma once
// Standard controls: push button, check box, label, edit and group box.

#include <string>

#include "toolkit/Controls.h"

class TButton : public TWinControl {
public:
  using TWinControl::TWinControl;
  std::string ClassName() const override { return "TButton"; }

protected:
  void CreateParams(TCreateParams& Params) override;
  LRESULT CNCommand(WORD Code) override;
};

class TCheckBox : public TWinControl {
public:
  using TWinControl::TWinControl;
  std::string ClassName() const override { return "TCheckBox"; }
  bool Checked() const;
  // A change of state raises OnClick, as a click by the user does.
  void SetChecked(bool Value);

protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  LRESULT CNCommand(WORD Code) override;

private:
  bool FChecked = false;
};

class TLabel : public TGraphicControl {
public:
  explicit TLabel(TComponent* AOwner);
  std::string ClassName() const override { return "TLabel"; }
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  // With AutoSize on (the default) an unwrapped label is as large as its text.
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  void Paint(TCanvas& Canvas) override;

protected:
  void CaptionChanged() override { AdjustBounds(); }
  void DoFontChanged() override { AdjustBounds(); }

private:
  void AdjustBounds();
  bool FWordWrap = false;
  bool FAutoSize = true;
};

class TEdit : public TWinControl {
public:
  using TWinControl::TWinControl;
  std::string ClassName() const override { return "TEdit"; }
  const std::string& Text() const { return Caption(); }
  void SetText(const std::string& Value) { SetCaption(Value); }
  bool ReadOnly = false;

protected:
  void CreateParams(TCreateParams& Params) override;
  LRESULT CNCommand(WORD Code) override;
};

class TGroupBox : public TCustomControl {
public:
  using TCustomControl::TCustomControl;
  std::string ClassName() const override { return "TGroupBox"; }

protected:
  void PaintContent(TCanvas& Canvas) override;
};
