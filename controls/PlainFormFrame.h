#pragma once
// A plain stand-in for the skinned form frame: it watches its form's window messages ahead
// of the form, as the skinned frame will, and carries out the caption buttons and the
// system commands it knows (minimise, restore) itself. The form swallows every system
// command, so without a frame the caption buttons would do nothing; the keyboard's close
// command stays without effect.

#include <windows.h>

#include "toolkit/Forms.h"

class TPlainFormFrame : public TComponent {
public:
  // Owner must be the form whose frame this is.
  explicit TPlainFormFrame(TComponent* AOwner);
  std::string ClassName() const override { return "TPlainFormFrame"; }
  void Loaded() override;
  void BeforeDestruction() override;

private:
  static LRESULT CALLBACK FrameProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam, UINT_PTR Id,
                                    DWORD_PTR Self);
  LRESULT HandleMessage(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam, bool& Handled);
  void Unhook();

  TForm* FForm;
  HWND FHooked = nullptr;
  WPARAM FPressed = 0; // the caption button held down, HTCLOSE or HTMINBUTTON
};
