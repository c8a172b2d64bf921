#pragma once
// The platform's tab control holding tab sheets, one shown at a time.

#include <string>
#include <vector>

#include "toolkit/TabSheet.h"
#include "toolkit/WinControl.h"

class TPageControl : public TWinControl {
public:
  explicit TPageControl(TComponent* AOwner);
  ~TPageControl() override;
  std::string ClassName() const override { return "TPageControl"; }

  int PageCount() const { return static_cast<int>(FPages.size()); }
  TTabSheet* Pages(int Index) const { return FPages.at(Index); }
  int ActivePageIndex() const { return FActivePageIndex; }
  // Shows the page; does not raise OnChange (only the user's choice of a tab does).
  void SetActivePageIndex(int Value);

  TNotifyEvent OnChange;

protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void BoundsChanged() override;
  LRESULT CNNotify(NMHDR* Header) override;

private:
  friend class TTabSheet;
  void InsertPage(TTabSheet* Page);
  void RemovePage(TTabSheet* Page);
  void UpdateTab(TTabSheet* Page);
  void LayoutPages();

  std::vector<TTabSheet*> FPages;
  int FActivePageIndex = -1;
};
