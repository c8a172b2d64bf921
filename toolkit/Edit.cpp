#include "toolkit/Edit.h"

TEdit::TEdit(TComponent* AOwner) : TWinControl(AOwner) { SetTabStop(true); }

void TEdit::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.WinClassName = L"EDIT";
  Params.Style |= ES_AUTOHSCROLL;
  if (ReadOnly)
    Params.Style |= ES_READONLY;
  Params.ExStyle |= WS_EX_CLIENTEDGE;
}

LRESULT TEdit::CNCommand(WORD Code) {
  if (Code == EN_CHANGE) {
    // Keep the caption in step with what the user typed.
    const int Length = GetWindowTextLengthW(Handle());
    std::wstring Buffer(static_cast<size_t>(Length) + 1, L'\0');
    Buffer.resize(static_cast<size_t>(GetWindowTextW(Handle(), Buffer.data(), Length + 1)));
    const std::string Typed = ToolkitText(Buffer);
    if (Caption() != Typed)
      SetCaption(Typed);
  }
  return 0;
}
