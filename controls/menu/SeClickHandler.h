#pragma once
// The hidden window that delivers menu clicks once the menus have closed: a click posts
// SE_ITEMCLICK with the item here, and the item runs when the message comes round.

#include "toolkit/Form.h"
#include "toolkit/PrivateMessages.h"

class TSeClickHandler : public TForm {
public:
  explicit TSeClickHandler(TComponent* AOwner);
  ~TSeClickHandler() override;
  std::string ClassName() const override { return "TSeClickHandler"; }
  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override;

protected:
  void CreateParams(TCreateParams& Params) override;
};

// Made on first use, for the application's life; from then on item clicks go through it.
void InstallClickHandler();
