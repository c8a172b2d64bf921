#pragma once
// The small window that shows a control's hint text. The application makes it through its
// hint-window class, measures the text with CalcHintRect, shows it with ActivateHintData and
// asks IsHintMsg which messages hide it; hint windows of other looks derive from this one.
// It is a form of its own so that a frame may take over its window, but it never takes the
// activation and is transparent to the mouse.

#include <windows.h>

#include <string>

#include "toolkit/Form.h"

class THintWindow : public TForm {
public:
  explicit THintWindow(TComponent* AOwner);
  std::string ClassName() const override { return "THintWindow"; }

  // The window's rectangle for Text at 0, 0: the text broken into lines of at most MaxWidth
  // pixels, with the window's margins. Data: what the application's show-hint handler left
  // in the hint info (null by default).
  virtual RECT CalcHintRect(int MaxWidth, const std::string& Text, void* Data);
  // Shows Text in Rect (screen coordinates), moved to stay whole on the desktop, topmost and
  // without taking the activation.
  virtual void ActivateHint(const RECT& Rect, const std::string& Text);
  virtual void ActivateHintData(const RECT& Rect, const std::string& Text, void* Data);
  virtual void ReleaseHint();
  // Whether a message of the application's loop hides the hint: keys, mouse buttons and the
  // wheel, non-client moves, commands, system commands and the application's activation
  // changing. A plain mouse move does not.
  virtual bool IsHintMsg(const MSG& Msg) const;

  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override;

protected:
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;
  void VisibleChanged() override;
  // A new text outside activation sizes the window to the text and this padding.
  void CaptionChanged() override;
  virtual SIZE TextPadding() const { return {6, 6}; }
  // Rect moved so that it stays whole on the desktop: its bottom at most the desktop's
  // height, its right edge at most the desktop's width, its left edge at least the desktop's
  // left.
  static RECT KeptOnDesktop(RECT Rect);
  // Placed at Place topmost and shown, without activation.
  void ShowTopmost(const RECT& Place);
  // While ActivateHint sets the text and bounds.
  bool Activating() const { return FActivating; }
  class TActivation {
  public:
    explicit TActivation(THintWindow& Window) : FWindow(Window) { FWindow.FActivating = true; }
    ~TActivation() { FWindow.FActivating = false; }
    TActivation(const TActivation&) = delete;
    TActivation& operator=(const TActivation&) = delete;

  private:
    THintWindow& FWindow;
  };

private:
  // Text measured in the window's font as DrawText lays it out with Format.
  RECT TextBlock(const std::string& Text, int MaxWidth, UINT Format) const;

  bool FActivating = false;
};

// What the application makes its hint window with.
using THintWindowClass = THintWindow* (*)(TComponent* Owner);
template <class T> THintWindow* NewHintWindow(TComponent* Owner) { return MakeComponent<T>(Owner); }
