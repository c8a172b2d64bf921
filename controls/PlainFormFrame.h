#pragma once
// A plain stand-in for the skinned form frame: a hook on its form's window that sees the
// messages ahead of the form, as the skinned frame will, and carries out the caption buttons
// and the system commands it knows (minimise, restore) itself. The form swallows every system
// command, so without a frame the caption buttons would do nothing; the keyboard's close
// command stays without effect.

#include <windows.h>

#include "controls/SeHook.h"

class TPlainFormFrame : public TSeHook {
public:
  // Owner must be the form whose frame this is.
  explicit TPlainFormFrame(TComponent* AOwner);
  std::string ClassName() const override { return "TPlainFormFrame"; }
  void Loaded() override;
  void Dispatch(TMessage& Message) override;

private:
  TForm* FForm;
  WPARAM FPressed = 0; // the caption button held down, HTCLOSE or HTMINBUTTON
};
