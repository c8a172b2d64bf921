#pragma once
// One page of a page control: a child of a TSeCustomTabControl whose caption is its tab. The
// control shows only its active sheet, in its page area; a sheet whose PageVisible is off keeps
// its place in the page list but has no tab. A sheet has no background of its own: the page
// frame of its control shows through it, and it paints its windowless children only while it
// is the active page.

#include <string>

#include "toolkit/CustomControl.h"

class TSeCustomTabControl;

class TSeCustomTabSheet : public TCustomControl {
public:
  // Hidden until its tab control makes it the active page.
  explicit TSeCustomTabSheet(TComponent* AOwner);
  ~TSeCustomTabSheet() override;
  std::string ClassName() const override { return "TSeCustomTabSheet"; }
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }
  void BeforeDestruction() override;
  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override;

  // Parenting a sheet to a tab control adds it to the control's pages (at the end); moving it
  // away removes it.
  void SetParent(TWinControl* AParent) override;
  TSeCustomTabControl* TabControl() const { return FTabControl; }
  void SetTabControl(TSeCustomTabControl* Value);

  // The sheet's place in its control's page list, -1 without a control. The setter moves the
  // sheet (kept within the list); the tabs follow.
  int PageIndex() const;
  void SetPageIndex(int Value);
  bool PageVisible() const { return FPageVisible; }
  void SetPageVisible(bool Value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int Value) { FBorderWidth = Value; }

  TNotifyEvent OnShow;
  TNotifyEvent OnHide;

  // Whether it is the page its control shows.
  bool IsActivePage() const;

protected:
  // The control's page frame under the sheet (a sheet without a control fills with Color).
  void EraseBackground(HDC DC) override;
  void CaptionChanged() override;
  void VisibleChanged() override;

private:
  friend class TSeCustomTabControl;
  void Detach();

  TSeCustomTabControl* FTabControl = nullptr;
  bool FPageVisible = true;
  int FImageIndex = -1;
  int FBorderWidth = 0;
};
