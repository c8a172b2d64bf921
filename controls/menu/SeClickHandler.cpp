#include "controls/menu/SeClickHandler.h"

#include "controls/menu/SeCustomItem.h"
#include "toolkit/Application.h"

TSeClickHandler::TSeClickHandler(TComponent* AOwner) : TForm(AOwner) {
  Position = TPosition::poDesigned;
  SetBounds(10000, 10000, 0, 0);
  TSeCustomItem::SetClickSink([this](TSeCustomItem* Item) {
    PostMessageW(Handle(), SE_ITEMCLICK, 0, reinterpret_cast<LPARAM>(Item));
  });
  TSeCustomItem::SetErrorSink([](const std::exception& E) {
    if (Application)
      Application->ShowException(E);
  });
}

TSeClickHandler::~TSeClickHandler() {
  TSeCustomItem::SetClickSink(nullptr);
  TSeCustomItem::SetErrorSink(nullptr);
}

void TSeClickHandler::CreateParams(TCreateParams& Params) {
  TForm::CreateParams(Params);
  Params.Style = WS_POPUP;
  Params.ExStyle = WS_EX_TOOLWINDOW;
}

LRESULT TSeClickHandler::WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg != SE_ITEMCLICK)
    return TForm::WndProc(Msg, WParam, LParam);
  auto* Item = reinterpret_cast<TSeCustomItem*>(LParam);
  if (!TSeCustomItem::Exists(Item))
    return 0;
  // The menus have closed by now; what they left to paint is painted first.
  if (Application)
    Application->ProcessMessages();
  if (TSeCustomItem::Exists(Item))
    Item->ExecuteClick();
  return 0;
}

void InstallClickHandler() {
  if (!Application || Application->FindComponent("SeClickHandler"))
    return;
  auto* Handler = MakeComponent<TSeClickHandler>(Application);
  Handler->SetName("SeClickHandler");
  Handler->HandleNeeded();
}
