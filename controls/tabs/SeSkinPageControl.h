#pragma once
// The skinned page control: a skinned tab control whose tabs are its sheets. The tab and page
// controls and the sheets are registered by class name here, for stored layouts.

#include <string>

#include "controls/tabs/SeSkinTabControl.h"

class TSeSkinPageControl : public TSeSkinTabControl {
public:
  explicit TSeSkinPageControl(TComponent* AOwner);
  std::string ClassName() const override { return "TSeSkinPageControl"; }
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }
};
