#include "controls/tabs/SeCustomTabControl.h"

#include <algorithm>
#include <commctrl.h>
#include <string>
#include <utility>

#include "controls/base/CheckGeometry.h"
#include "controls/base/PublishedControl.h"
#include "controls/base/TextMeasure.h"
#include "controls/tabs/SeCustomTabSheet.h"
#include "gfx/Bitmap.h"
#include "gfx/Shapes.h"
#include "gfx/SkinText.h"
#include "gfx/VisualStyles.h"
#include "toolkit/AnsiText.h"
#include "toolkit/Form.h"
#include "toolkit/GdiGuards.h"
#include "toolkit/ImageList.h"
#include "toolkit/ScopeGuards.h"
#include "toolkit/SysUtils.h"

namespace {

// The theme class "Tab": the tab item and the pane, and the item's states.
constexpr int TabItemPart = 1, TabPanePart = 9;
constexpr int StateNormal = 1, StateHot = 2, StateSelected = 3, StateDisabled = 4;
constexpr TColor SelectionColor = SystemColor(COLOR_HIGHLIGHT);
// The focus rectangle takes the platform's own colours.
constexpr TColor FocusColor = static_cast<TColor>(0xFF000000u);
// Auto-repeat of a held scroll button: the first step, then every step after it.
constexpr UINT RepeatDelay = 300, RepeatInterval = 100;

constexpr const char* TabPositionNames[] = {"tpTop", "tpBottom", "tpLeft", "tpRight"};

RECT ToRECT(const TRect& R) { return {R.Left, R.Top, R.Right, R.Bottom}; }

bool Contains(const TRect& R, TPoint P) {
  return P.X >= R.Left && P.X < R.Right && P.Y >= R.Top && P.Y < R.Bottom;
}

bool IsSide(TTabPosition Side) { return Side == tpLeft || Side == tpRight; }

// Turns a tab drawn as if on top into the given side: Along runs with the strip from the
// tab's start, Depth from its outer edge toward the page.
struct TTabFrameMap {
  TRect Rect;
  TTabPosition Side;
  int Length() const { return IsSide(Side) ? Rect.Height() : Rect.Width(); }
  int Depth() const { return IsSide(Side) ? Rect.Width() : Rect.Height(); }
  POINT At(int Along, int Depth) const {
    switch (Side) {
    case tpTop:
      return {Rect.Left + Along, Rect.Top + Depth};
    case tpBottom:
      return {Rect.Left + Along, Rect.Bottom - 1 - Depth};
    case tpLeft:
      return {Rect.Left + Depth, Rect.Top + Along};
    case tpRight:
      break;
    }
    return {Rect.Right - 1 - Depth, Rect.Top + Along};
  }
  void Pixel(HDC DC, int Along, int Depth, COLORREF Color) const {
    const POINT P = At(Along, Depth);
    SetPixelV(DC, P.x, P.y, Color);
  }
  void AlongLine(HDC DC, int Depth, int From, int To, COLORREF Color) const {
    for (int A = From; A <= To; ++A)
      Pixel(DC, A, Depth, Color);
  }
  void DepthLine(HDC DC, int Along, int From, int To, COLORREF Color) const {
    for (int D = From; D <= To; ++D)
      Pixel(DC, Along, D, Color);
  }
};

} // namespace

// ---------------------------------------------------------------------------------------
// The tab list

void TSeTabStringList::Changed() {
  if (!Updating())
    FControl.UpdateTabs();
}

int TSeTabStringList::Add(const std::string& Text) {
  FItems.push_back(Text);
  Changed();
  return Count() - 1;
}

void TSeTabStringList::Insert(int Index, const std::string& Text) {
  if (Index < 0 || Index > Count())
    throw Exception(FormatStr("List index out of bounds (%s)", {std::to_string(Index)}));
  FItems.insert(FItems.begin() + Index, Text);
  Changed();
}

void TSeTabStringList::Delete(int Index) {
  if (Index < 0 || Index >= Count())
    throw Exception(FormatStr("List index out of bounds (%s)", {std::to_string(Index)}));
  FItems.erase(FItems.begin() + Index);
  Changed();
}

void TSeTabStringList::Clear() {
  FItems.clear();
  Changed();
}

void TSeTabStringList::Assign(const std::vector<std::string>& Texts) {
  FItems = Texts;
  Changed();
}

void TSeTabStringList::Put(int Index, const std::string& Text) {
  FItems.at(Index) = Text;
  Changed();
}

void TSeTabStringList::EndUpdate() {
  if (FUpdateCount == 0 || --FUpdateCount > 0)
    return;
  FControl.Invalidate();
  FControl.UpdateTabs();
}

// ---------------------------------------------------------------------------------------
// The page list

int TSePageList::IndexOf(const TSeCustomTabSheet* Sheet) const {
  const auto It = std::find(FItems.begin(), FItems.end(), Sheet);
  return It == FItems.end() ? -1 : static_cast<int>(It - FItems.begin());
}

void TSePageList::Add(TSeCustomTabSheet* Sheet) {
  FItems.push_back(Sheet);
  FControl.UpdateTabs();
}

void TSePageList::Remove(TSeCustomTabSheet* Sheet) {
  if (std::erase(FItems, Sheet) > 0)
    FControl.UpdateTabs();
}

void TSePageList::Move(TSeCustomTabSheet* Sheet, int Index) {
  const int From = IndexOf(Sheet);
  if (From < 0)
    return;
  Index = std::clamp(Index, 0, Count() - 1);
  if (Index == From)
    return;
  FItems.erase(FItems.begin() + From);
  FItems.insert(FItems.begin() + Index, Sheet);
  FControl.UpdateTabs();
}

void TSePageList::Clear() {
  FItems.clear();
  FControl.UpdateTabs();
}

// ---------------------------------------------------------------------------------------
// Construction and properties

TSeCustomTabControl::TSeCustomTabControl(TComponent* AOwner)
    : TSeCustomControl(AOwner), FTabs(*this), FPages(*this) {
  FControlStyle |= csCaptureMouse | csClickEvents | csDoubleClicks;
  SetTabStop(true);
  SetBounds(Left(), Top(), 289, 193);
}

TSeCustomTabControl::~TSeCustomTabControl() {
  for (int I = 0; I < FPages.Count(); ++I)
    FPages[I]->FTabControl = nullptr;
  if (FImages)
    FImages->RemoveFreeNotification(this);
}

const TPropTable& TSeCustomTabControl::Properties() {
  using C = TSeCustomTabControl;
  static const TPropTable Table(
      nullptr,
      {ControlProp("Left"),
       ControlProp("Top"),
       ControlProp("Width"),
       ControlProp("Height"),
       ControlProp("Align"),
       ControlProp("Anchors"),
       ReferenceProp(AccessorProp<C>("ActivePage", TPropKind::pkString, &C::ActivePageName,
                                     &C::SetActivePageName)),
       ComponentProp<C, TCustomImageList>("Images", &C::Images, &C::SetImages),
       DefaultProp(AccessorProp<C>("HotTrack", TPropKind::pkBoolean, &C::HotTrack,
                                   &C::SetHotTrack),
                   false),
       DefaultProp(AccessorProp<C>("MultiLine", TPropKind::pkBoolean, &C::MultiLine,
                                   &C::SetMultiLine),
                   false),
       DefaultProp(AccessorProp<C>("OwnerDraw", TPropKind::pkBoolean, &C::OwnerDraw,
                                   &C::SetOwnerDraw),
                   false),
       AccessorProp<C>("Tabs", TPropKind::pkString, &C::TabsText, &C::SetTabsText),
       DefaultProp(AccessorProp<C>("TabPosition", TPropKind::pkEnum, &C::TabPosition,
                                   &C::SetTabPosition, TabPositionNames),
                   tpTop),
       DefaultProp(AccessorProp<C>("TabIndex", TPropKind::pkInteger, &C::TabIndex,
                                   &C::SetTabIndex),
                   -1),
       AccessorProp<C>("Transparent", TPropKind::pkBoolean, &C::Transparent, &C::SetTransparent),
       DefaultProp(AccessorProp<C>("RaggedRight", TPropKind::pkBoolean, &C::RaggedRight,
                                   &C::SetRaggedRight),
                   false),
       DefaultProp(AccessorProp<C>("ScrollOpposite", TPropKind::pkBoolean, &C::ScrollOpposite,
                                   &C::SetScrollOpposite),
                   false),
       DefaultProp(AccessorProp<C>("TabHeight", TPropKind::pkInteger, &C::TabHeight,
                                   &C::SetTabHeight),
                   0),
       DefaultProp(AccessorProp<C>("TabWidth", TPropKind::pkInteger, &C::TabWidth,
                                   &C::SetTabWidth),
                   0),
       AccessorProp<C>("UsePages", TPropKind::pkBoolean, &C::UsePages, &C::SetUsePages),
       ControlProp("Enabled"),
       ControlProp("Font"),
       ControlProp("ParentFont"),
       AccessorProp<C>("Performance", TPropKind::pkEnum, &C::Performance, &C::SetPerformance,
                       PerformanceNames),
       ControlProp("Hint"),
       ControlProp("ShowHint"),
       DefaultProp(AccessorProp<C>("TabStop", TPropKind::pkBoolean, &C::TabStop, &C::SetTabStop),
                   true),
       ControlProp("Visible"),
       EventProp("OnChange", &C::OnChange),
       EventProp("OnChanging", &C::OnChanging)});
  return Table;
}

void TSeCustomTabControl::Loaded() {
  TSeCustomControl::Loaded();
  UpdateTabs();
  const std::string Page = std::exchange(FLoadedActivePage, std::string());
  if (!Page.empty())
    SetActivePageName(Page);
  const int Remembered = std::exchange(FLoadedTabIndex, -1);
  if (Remembered >= 0)
    SetTabIndex(Remembered);
}

std::string TSeCustomTabControl::TabsText() const {
  std::string Text;
  for (int I = 0; I < FTabs.Count(); ++I)
    Text += (I ? "\n" : "") + FTabs[I];
  return Text;
}

void TSeCustomTabControl::SetTabsText(const std::string& Value) {
  std::vector<std::string> Lines;
  size_t Start = 0;
  while (!Value.empty()) {
    const size_t End = Value.find('\n', Start);
    Lines.push_back(Value.substr(Start, End == std::string::npos ? End : End - Start));
    if (End == std::string::npos)
      break;
    Start = End + 1;
  }
  FTabs.Assign(Lines);
}

std::string TSeCustomTabControl::ActivePageName() const {
  if (!FActivePage && Loading())
    return FLoadedActivePage; // still to come, as it was read
  return FActivePage ? FActivePage->Name() : std::string();
}

void TSeCustomTabControl::SetActivePageName(const std::string& Value) {
  if (Loading()) {
    FLoadedActivePage = Value;
    return;
  }
  for (int I = 0; I < FPages.Count(); ++I)
    if (!Value.empty() && SameText(FPages[I]->Name(), Value)) {
      SetActivePage(FPages[I]);
      return;
    }
  SetActivePage(nullptr);
}

void TSeCustomTabControl::SetImages(TCustomImageList* Value) {
  if (Value == FImages)
    return;
  if (FImages)
    FImages->RemoveFreeNotification(this);
  FImages = Value;
  if (FImages)
    FImages->FreeNotification(this);
  LayoutChanged();
}

void TSeCustomTabControl::Notification(TComponent* AComponent, TOperation Operation) {
  TSeCustomControl::Notification(AComponent, Operation);
  if (Operation == TOperation::opRemove && AComponent == FImages) {
    FImages = nullptr;
    if (!Destroying())
      LayoutChanged();
  }
}

int TSeCustomTabControl::TabImageIndex(int Tab) const {
  if (!FUsePages || !FImages)
    return -1;
  const TSeCustomTabSheet* Sheet = PageOfTab(Tab);
  return Sheet && Sheet->ImageIndex() >= 0 ? Sheet->ImageIndex() : -1;
}

void TSeCustomTabControl::SetTabIndex(int Value) {
  if (Loading()) {
    FLoadedTabIndex = Value;
    return;
  }
  if (Value == FTabIndex || Value < 0 || Value >= FTabs.Count())
    return;
  const int Old = FTabIndex;
  FTabIndex = Value;
  if (!CanChange()) {
    FTabIndex = Old;
    return;
  }
  if (!FMultiLine)
    FFirstVisible = Layout().FirstVisibleShowing(Value);
  RepaintTabs();
  if (FUsePages)
    SetActivePage(PageOfTab(Value));
  else
    Change();
}

void TSeCustomTabControl::LayoutChanged() {
  FFirstVisible = std::clamp(FFirstVisible, 0, std::max(FTabs.Count() - 1, 0));
  Invalidate();
  Realign();
  // New metrics may need more room for the pages than the form has.
  if (TForm* Form = GetParentForm(this))
    Form->GrowToContent();
  // The sheet shows the page frame through it: a new frame is repainted there too.
  if (FActivePage && FActivePage->HandleAllocated())
    RedrawWindow(FActivePage->Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void TSeCustomTabControl::SetMultiLine(bool Value) {
  if (Value == FMultiLine)
    return;
  if (!Value && IsSide(FTabPosition))
    throw Exception("MultiLine must be True when TabPosition is tpLeft or tpRight");
  FMultiLine = Value;
  if (!Value)
    FScrollOpposite = false;
  LayoutChanged();
}

void TSeCustomTabControl::SetTabPosition(TTabPosition Value) {
  if (Value == FTabPosition)
    return;
  FTabPosition = Value;
  if (IsSide(Value))
    FMultiLine = true;
  LayoutChanged();
}

void TSeCustomTabControl::SetOwnerDraw(bool Value) {
  if (Value != FOwnerDraw) {
    FOwnerDraw = Value;
    Invalidate();
  }
}

void TSeCustomTabControl::SetRaggedRight(bool Value) {
  if (Value != FRaggedRight) {
    FRaggedRight = Value;
    LayoutChanged();
  }
}

void TSeCustomTabControl::SetScrollOpposite(bool Value) {
  if (Value == FScrollOpposite)
    return;
  FScrollOpposite = Value;
  if (Value)
    FMultiLine = true;
  LayoutChanged();
}

void TSeCustomTabControl::SetTabHeight(int Value) {
  if (Value != FTabHeight) {
    FTabHeight = Value;
    LayoutChanged();
  }
}

void TSeCustomTabControl::SetTabWidth(int Value) {
  if (Value != FTabWidth) {
    FTabWidth = Value;
    LayoutChanged();
  }
}

void TSeCustomTabControl::Change() {
  if (OnChange)
    OnChange(this);
}

bool TSeCustomTabControl::CanChange() {
  bool Allow = true;
  if (OnChanging)
    OnChanging(this, Allow);
  return Allow;
}

void TSeCustomTabControl::DrawTabEvent(int Index, const TRect& Rect, bool Active) {
  if (OnDrawTab)
    OnDrawTab(this, Index, Rect, Active);
}

void TSeCustomTabControl::ClampTabIndex() {
  const int Count = FTabs.Count();
  if (Count == 0)
    FTabIndex = -1;
  else if (FTabIndex < 0)
    FTabIndex = 0;
  else if (FTabIndex >= Count)
    FTabIndex = Count - 1;
  FFirstVisible = std::clamp(FFirstVisible, 0, std::max(Count - 1, 0));
}

void TSeCustomTabControl::UpdateTabs() {
  if (FInUpdateTabs)
    return;
  const TFlagScope Updating(FInUpdateTabs);
  ClampTabIndex();
  if (FUsePages && !Loading()) {
    std::vector<std::string> Captions;
    for (int I = 0; I < FPages.Count(); ++I)
      if (FPages[I]->PageVisible())
        Captions.push_back(FPages[I]->Caption());
    if (Captions != FTabs.Items()) {
      FTabs.Assign(Captions);
      ClampTabIndex();
    }
    // The active sheet keeps its tab wherever it moved; without one the page of the
    // current tab takes over.
    const int Tab = TabOfPage(FActivePage);
    if (Tab >= 0)
      FTabIndex = Tab;
    else if (PageOfTab(FTabIndex) != FActivePage)
      SetActivePage(PageOfTab(FTabIndex));
  }
  if (!FTabs.Updating()) {
    RepaintTabs();
    Realign();
  }
}

// ---------------------------------------------------------------------------------------
// Pages

void TSeCustomTabControl::SetUsePages(bool Value) {
  if (Value == FUsePages)
    return;
  FUsePages = Value;
  if (Value && !Loading()) {
    // A tab control turned page control starts from no children; the sheets come after.
    std::vector<TControl*> Children;
    for (int I = 0; I < ControlCount(); ++I)
      Children.push_back(Controls(I));
    for (TControl* Child : Children)
      if (Child->Owner())
        Child->Free();
      else
        Child->SetParent(nullptr);
  }
  UpdateTabs();
}

TSeCustomTabSheet* TSeCustomTabControl::PageOfTab(int Tab) const {
  if (Tab < 0)
    return nullptr;
  for (int I = 0; I < FPages.Count(); ++I)
    if (FPages[I]->PageVisible() && Tab-- == 0)
      return FPages[I];
  return nullptr;
}

int TSeCustomTabControl::TabOfPage(const TSeCustomTabSheet* Sheet) const {
  if (!Sheet || !Sheet->PageVisible())
    return -1;
  int Tab = 0;
  for (int I = 0; I < FPages.Count(); ++I) {
    if (FPages[I] == Sheet)
      return Tab;
    if (FPages[I]->PageVisible())
      ++Tab;
  }
  return -1;
}

RECT TSeCustomTabControl::AlignArea() const {
  const TRect R = Layout().SheetRect();
  return {R.Left, R.Top, std::max(R.Right, R.Left), std::max(R.Bottom, R.Top)};
}

TSize TSeCustomTabControl::ContentMinimum() const {
  // Every page counts, shown or not: any of them may be the one the user picks.
  const RECT Area = AlignArea();
  TSize Sheet = AlignedMinimum(LayoutChildren(), {Area.left, Area.top});
  for (int I = 0; I < FPages.Count(); ++I) {
    const TSize Page = FPages[I]->MinimumSize();
    Sheet = {std::max(Sheet.Width, Page.Width), std::max(Sheet.Height, Page.Height)};
  }
  const TSize Size = ControlSizeForSheet(Strip(), Sheet);
  const RECT Client = ClientRect();
  return {Size.Width - Width() + (Client.right - Client.left),
          Size.Height - Height() + (Client.bottom - Client.top)};
}

void TSeCustomTabControl::SetActivePage(TSeCustomTabSheet* Value) {
  if (Value && FPages.IndexOf(Value) < 0)
    return;
  TSeCustomTabSheet* Old = FActivePage;
  FActivePage = Value;
  // The focus does not go into hiding with a sheet: the control takes it.
  const bool FocusOnOld =
      Old && Old != Value && Old->HandleAllocated() && IsChild(Old->Handle(), GetFocus());
  if (Old && Old != Value)
    Old->SetVisible(false);
  if (FocusOnOld && CanFocus())
    SetFocus();
  if (Value) {
    Value->SetVisible(true); // laid out in the page area before it shows
    if (Value->HandleAllocated())
      SetWindowPos(Value->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  if (Old == Value)
    return;
  if (Value) {
    const int Tab = TabOfPage(Value);
    FTabIndex = Tab >= 0 ? Tab : FPages.IndexOf(Value);
    if (!FMultiLine && Tab >= 0)
      FFirstVisible = Layout().FirstVisibleShowing(Tab);
  }
  RepaintTabs();
  Change();
}

void TSeCustomTabControl::SetActivePageIndex(int Index) {
  if (Index >= 0 && Index < FPages.Count())
    SetActivePage(FPages[Index]);
  else
    SetActivePage(nullptr);
}

void TSeCustomTabControl::InsertPage(TSeCustomTabSheet* Sheet) {
  if (Sheet->Caption().empty())
    Sheet->SetCaption("New Page " + std::to_string(FTabs.Count()));
  FPages.Add(Sheet);
}

void TSeCustomTabControl::RemovePage(TSeCustomTabSheet* Sheet) {
  const bool WasActive = Sheet == FActivePage;
  if (WasActive) {
    FActivePage = nullptr;
    if (!Sheet->Destroying())
      Sheet->SetVisible(false);
  }
  // While the control or the sheets' owner is being torn down nothing else is shown.
  if (Destroying() || (Sheet->Owner() && Sheet->Owner()->Destroying())) {
    const bool Pages = FUsePages;
    FUsePages = false;
    FPages.Remove(Sheet);
    FUsePages = Pages;
    return;
  }
  // Losing the active sheet brings the first page forward.
  if (WasActive)
    FTabIndex = 0;
  FPages.Remove(Sheet);
}

void TSeCustomTabControl::MovePage(TSeCustomTabSheet* Sheet, int Index) {
  FPages.Move(Sheet, Index);
}

// ---------------------------------------------------------------------------------------
// Metrics

TTabMargins TSeCustomTabControl::Margins() const {
  return {MarginLeft(), MarginTop(), MarginRight(), MarginBottom()};
}

int TSeCustomTabControl::TabHeightOf() const {
  return TabHeightFor(FTabHeight, MeasureTextIn(Font(), L"Pq", 0, DT_SINGLELINE).cy,
                      FImages ? FImages->Height() : -1);
}

int TSeCustomTabControl::TabWidthOf(int Index) const {
  if (Index < 0 || Index >= FTabs.Count())
    return 0;
  const int TextWidth =
      FTabWidth != 0 ? 0 : MeasureTextIn(Font(), WindowText(FTabs[Index]), 0, DT_SINGLELINE).cx;
  const int ImageWidth = TabImageIndex(Index) >= 0 ? FImages->Width() : -1;
  return TabWidthFor(FTabWidth, TextWidth, ImageWidth, TabHeightOf(),
                     SideMargin(FTabPosition, Margins()));
}

int TSeCustomTabControl::ScrollButtonSize() const { return 2 * Font().Size(); }

TTabLayout TSeCustomTabControl::Layout() const { return TTabLayout(Strip()); }

TTabStrip TSeCustomTabControl::Strip() const {
  TTabStrip Strip;
  Strip.Position = FTabPosition;
  Strip.Width = Width();
  Strip.Height = Height();
  Strip.Margins = Margins();
  Strip.TabHeight = TabHeightOf();
  for (int I = 0; I < FTabs.Count(); ++I)
    Strip.Widths.push_back(TabWidthOf(I));
  Strip.MultiLine = FMultiLine;
  Strip.RaggedRight = FRaggedRight;
  Strip.FixedWidth = FTabWidth != 0;
  Strip.ScrollOpposite = FScrollOpposite;
  Strip.TabIndex = FTabIndex;
  Strip.FirstVisible = FFirstVisible;
  Strip.ScrollButtonSize = ScrollButtonSize();
  return Strip;
}

// ---------------------------------------------------------------------------------------
// Scrolling

bool TSeCustomTabControl::InLeftButton(TPoint Point) const {
  const TTabLayout L = Layout();
  return L.ScrollButtonsShown() && Contains(L.LeftButtonRect(), Point);
}

bool TSeCustomTabControl::InRightButton(TPoint Point) const {
  const TTabLayout L = Layout();
  return L.ScrollButtonsShown() && Contains(L.RightButtonRect(), Point);
}

void TSeCustomTabControl::ScrollTabs(int Delta) {
  const int First = Layout().ScrolledFirstVisible(Delta);
  if (First != FFirstVisible) {
    FFirstVisible = First;
    RepaintTabs();
  }
}

void TSeCustomTabControl::StartRepeat() {
  if (!FRepeatTimer) {
    FRepeatTimer = std::make_unique<TTimer>(nullptr);
    FRepeatTimer->SetOnTimer([this](TObject*) { RepeatStep(); });
  }
  FRepeatTimer->SetEnabled(false);
  FRepeatTimer->SetInterval(RepeatDelay);
  FRepeatTimer->SetEnabled(true);
}

void TSeCustomTabControl::StopRepeat() {
  if (FRepeatTimer)
    FRepeatTimer->SetEnabled(false);
}

void TSeCustomTabControl::RepeatStep() {
  // A failing step stops the repeat, or the timer would fail again and again.
  const TFailureScope Stop([this] { StopRepeat(); });
  if (FRepeatTimer->Interval() != RepeatInterval)
    FRepeatTimer->SetInterval(RepeatInterval);
  POINT Cursor;
  GetCursorPos(&Cursor);
  ::ScreenToClient(Handle(), &Cursor);
  const TPoint Point{Cursor.x, Cursor.y};
  if (FLeftPressed && InLeftButton(Point))
    ScrollTabs(-1);
  else if (FRightPressed && InRightButton(Point))
    ScrollTabs(1);
}

// ---------------------------------------------------------------------------------------
// Mouse and keyboard

void TSeCustomTabControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TSeCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft)
    return;
  FLeftPressed = InLeftButton({X, Y});
  FRightPressed = InRightButton({X, Y});
  if (FLeftPressed || FRightPressed) {
    RepaintTabs();
    ScrollTabs(FLeftPressed ? -1 : 1);
    StartRepeat();
    return;
  }
  const int Tab = TabAt({X, Y});
  if (Tab < 0)
    return;
  if (CanFocus() && !Focused())
    SetFocus();
  SetTabIndex(Tab);
}

void TSeCustomTabControl::MouseMove(TShiftState Shift, int X, int Y) {
  TSeCustomControl::MouseMove(Shift, X, Y);
  bool Changed = false;
  const auto Follow = [&](bool& Field, bool Value) {
    if (Field != Value) {
      Field = Value;
      Changed = true;
    }
  };
  if (Layout().ScrollButtonsShown()) {
    Follow(FLeftHot, InLeftButton({X, Y}));
    Follow(FRightHot, InRightButton({X, Y}));
  }
  const int Hot = TabAt({X, Y});
  if (Hot != FHotTab) {
    FHotTab = Hot;
    Changed = true;
  }
  if (Changed)
    RepaintTabs();
}

void TSeCustomTabControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft) {
    FLeftPressed = FRightPressed = false;
    StopRepeat();
    RepaintTabs();
  }
  TSeCustomControl::MouseUp(Button, Shift, X, Y);
}

void TSeCustomTabControl::MouseLeave() {
  if (FLeftHot || FRightHot || FHotTab >= 0) {
    FLeftHot = FRightHot = false;
    FHotTab = -1;
    RepaintTabs();
  }
  TSeCustomControl::MouseLeave();
}

void TSeCustomTabControl::EnabledChanged() {
  TSeCustomControl::EnabledChanged();
  RepaintTabs();
}

void TSeCustomTabControl::FocusEnter() {
  TSeCustomControl::FocusEnter();
  RepaintTabs();
}

void TSeCustomTabControl::FocusExit() {
  TSeCustomControl::FocusExit();
  RepaintTabs();
}

bool TSeCustomTabControl::SelectNextTab(bool Forward) {
  const int Count = FTabs.Count();
  if (Count == 0 || !HandleAllocated())
    return false;
  const HWND Focus = GetFocus();
  if (Focus != Handle() && !IsChild(Handle(), Focus))
    return false;
  const int From = FTabIndex < 0 ? (Forward ? -1 : 0) : FTabIndex;
  SetTabIndex(((From + (Forward ? 1 : -1)) % Count + Count) % Count);
  return true;
}

LRESULT TSeCustomTabControl::WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) {
  switch (Msg) {
  // The platform's tab-control queries, so that tools that drive tab controls from outside
  // (accessibility, automation) find their way: the count, the selection, a tab's place.
  case TCM_GETITEMCOUNT:
    return FTabs.Count();
  case TCM_GETCURSEL:
    return FTabIndex;
  case TCM_SETCURSEL:
  case TCM_SETCURFOCUS: {
    const int Previous = FTabIndex;
    SetTabIndex(static_cast<int>(WParam));
    return Msg == TCM_SETCURSEL ? Previous : 0;
  }
  case TCM_GETITEMRECT: {
    const int Index = static_cast<int>(WParam);
    auto* Place = reinterpret_cast<RECT*>(LParam);
    if (Index < 0 || Index >= FTabs.Count() || !Place)
      return FALSE;
    const TRect R = Layout().TabRect(Index);
    *Place = {R.Left, R.Top, R.Right, R.Bottom};
    return TRUE;
  }
  case WM_GETDLGCODE:
    return DLGC_WANTARROWS;
  case WM_KEYDOWN:
    switch (WParam) {
    case VK_LEFT:
    case VK_UP:
      SetTabIndex(FTabIndex - 1);
      return 0;
    case VK_RIGHT:
    case VK_DOWN:
      SetTabIndex(FTabIndex + 1);
      return 0;
    default:
      break;
    }
    break;
  case CM_DIALOGKEY:
    if (WParam == VK_TAB && (static_cast<TShiftState>(LParam) & ssCtrl) &&
        SelectNextTab(!(static_cast<TShiftState>(LParam) & ssShift)))
      return 1;
    break;
  case CM_DIALOGCHAR:
    if (CanFocus())
      for (int I = 0; I < FTabs.Count(); ++I)
        if (IsAccelerator(static_cast<wchar_t>(WParam), WindowText(FTabs[I]))) {
          SetTabIndex(I);
          return 1;
        }
    break;
  case WM_CANCELMODE:
  case WM_CAPTURECHANGED:
    if (FLeftPressed || FRightPressed) {
      FLeftPressed = FRightPressed = false;
      StopRepeat();
      RepaintTabs();
    }
    break;
  default:
    break;
  }
  return TSeCustomControl::WndProc(Msg, WParam, LParam);
}

// ---------------------------------------------------------------------------------------
// Painting

bool TSeCustomTabControl::Themed() const { return VisualStylesActive(); }

bool TSeCustomTabControl::DrawThemed(int Part, int State, const TRect& Rect) {
  return Themed() && DrawThemePart(HandleAllocated() ? Handle() : nullptr, Canvas().Handle(),
                                   L"Tab", Part, State, ToRECT(Rect));
}

void TSeCustomTabControl::PaintClient() {
  TSeCustomControl::PaintClient();
  const TTabLayout L = Layout();
  for (const int Tab : L.PaintOrder())
    DrawTab(Tab);
  PaintPageFrame();
  if (FTabIndex >= 0 && FTabIndex < FTabs.Count())
    DrawTab(FTabIndex);
  if (L.ScrollButtonsShown()) {
    PaintLeftButton();
    PaintRightButton();
  }
}

void TSeCustomTabControl::PaintPageFrameOn(HDC DC, int X, int Y, int Width, int Height) {
  if (Width <= 0 || Height <= 0)
    return;
  // Drawn in the control's own coordinates and copied out: the skin's pictures cut at a
  // surface's edge would not line up to the pixel with the control's own painting.
  TseBitmap Surface;
  Surface.SetSize(X + Width, Y + Height);
  {
    const TCanvasDC Painting(Canvas(), Surface.DC());
    PaintFont().Assign(Font());
    Canvas().Font.Assign(PaintFont());
    // What the control has under its frame first, as its own painting does.
    if (Transparent())
      DrawParentBackground(Surface.DC());
    TSeCustomControl::PaintClient();
    PaintPageFrame();
  }
  GdiFlush();
  BitBlt(DC, 0, 0, Width, Height, Surface.DC(), X, Y, SRCCOPY);
}

TRect TSeCustomTabControl::HeaderStripRect() const {
  const TTabLayout L = Layout();
  if (L.Count() == 0)
    return {};
  TRect R{Width(), Height(), 0, 0};
  for (int I = 0; I < L.Count(); ++I) {
    const TRect T = L.TabRect(I);
    R.Left = std::min(R.Left, T.Left);
    R.Top = std::min(R.Top, T.Top);
    R.Right = std::max(R.Right, T.Right);
    R.Bottom = std::max(R.Bottom, T.Bottom);
  }
  // Two pixels deeper on both sides of the strip (the active tab stands out by two), over the
  // control's whole length.
  if (IsSide(FTabPosition)) {
    R.Left -= 2;
    R.Right += 2;
    R.Top = 0;
    R.Bottom = Height();
  } else {
    R.Top -= 2;
    R.Bottom += 2;
    R.Left = 0;
    R.Right = Width();
  }
  R.Left = std::max(R.Left, 0);
  R.Top = std::max(R.Top, 0);
  R.Right = std::min(R.Right, Width());
  R.Bottom = std::min(R.Bottom, Height());
  return R;
}

void TSeCustomTabControl::RepaintTabs() {
  if (Performance() != qzpNoBuffer || !HandleAllocated() || !IsWindowVisible(Handle())) {
    Invalidate();
    return;
  }
  const TRect Strip = HeaderStripRect();
  if (Strip.Width() <= 0 || Strip.Height() <= 0)
    return;
  // Drawn off screen and copied at once: the strip never shows half painted.
  TseBitmap Surface;
  Surface.SetSize(Strip.Right, Strip.Bottom);
  {
    const TCanvasDC Painting(Canvas(), Surface.DC());
    PaintFont().Assign(Font());
    Canvas().Font.Assign(PaintFont());
    if (Transparent())
      DrawParentBackground(Surface.DC());
    PaintClient();
  }
  GdiFlush();
  const TWindowDC Window(Handle());
  BitBlt(Window.DC(), Strip.Left, Strip.Top, Strip.Width(), Strip.Height(), Surface.DC(),
         Strip.Left, Strip.Top, SRCCOPY);
}

void TSeCustomTabControl::PaintPageFrame() {
  const TRect Page = Layout().PageRect();
  if (DrawThemed(TabPanePart, StateNormal, Page))
    return;
  FillRectColor(Canvas(), Page, clBtnFace);
  TRect Frame = Page;
  constexpr int AllSides = BevelLeft | BevelTop | BevelRight | BevelBottom;
  DrawBevelSides(Canvas(), Frame, AllSides, cl3DDkShadow, clBtnHighlight, 1);
  DrawBevelSides(Canvas(), Frame, AllSides, clBtnShadow, clBtnFace, 1);
}

void TSeCustomTabControl::DrawTab(int Index) {
  const TTabLayout L = Layout();
  const TRect Rect = L.TabRect(Index);
  const TTabPosition Side = L.SideOf(Index);
  if (FOwnerDraw) {
    DrawTabEvent(Index, Rect, Index == FTabIndex);
    return;
  }
  DrawTabFrame(Index, Rect, Side);
  TRect TextRect = Rect;
  if (TabImageIndex(Index) >= 0) {
    DrawTabImage(Index, Rect, Side);
    // The text keeps what the image leaves: H off the tab's start.
    if (IsSide(Side))
      TextRect.Top += TabHeightOf();
    else
      TextRect.Left += TabHeightOf();
  }
  if ((IsSide(Side) ? TextRect.Height() : TextRect.Width()) > 8)
    DrawTabText(Index, TextRect, Side);
}

void TSeCustomTabControl::DrawTabImage(int Index, const TRect& Rect, TTabPosition Side) {
  const int Image = TabImageIndex(Index);
  if (Image < 0)
    return;
  constexpr int Inset = 3;
  const int X = Side == tpRight ? Rect.Right - Inset - FImages->Width() : Rect.Left + Inset;
  const int Y = Side == tpBottom ? Rect.Bottom - Inset - FImages->Height() : Rect.Top + Inset;
  FImages->Draw(Canvas(), X, Y, Image);
}

void TSeCustomTabControl::DrawTabFrame(int Index, const TRect& Rect, TTabPosition Side) {
  const bool Active = Index == FTabIndex;
  if (Themed()) {
    TRect R = Active ? Rect : MoveOuterEdge(Rect, Side, MarginLeft());
    if (Index == 0 && !IsSide(Side) && !FMultiLine)
      R.Left = 0;
    const int State = !Enabled()         ? StateDisabled
                      : Active           ? StateSelected
                      : Index == FHotTab ? StateHot
                                         : StateNormal;
    if (DrawThemed(TabItemPart, State, R))
      return;
  }
  TRect R = Rect;
  if (Active) {
    // The active tab stands out on its three free sides.
    R = MoveOuterEdge(R, Side, -2);
    if (IsSide(Side)) {
      R.Top -= 2;
      R.Bottom += 2;
    } else {
      R.Left -= 2;
      R.Right += 2;
    }
  }
  FillRectColor(Canvas(), R, clBtnFace);
  const TTabFrameMap Map{R, Side};
  const int Len = Map.Length(), Depth = Map.Depth();
  if (Len < 4 || Depth < 3)
    return;
  const HDC DC = Canvas().Handle();
  const COLORREF Light = ColorToRGB(clBtnHighlight), Dark = ColorToRGB(cl3DDkShadow),
                 Shadow = ColorToRGB(clBtnShadow);
  // The outline stops where the tab meets the page: the page frame's line runs there.
  const int Inner = Depth - 1;
  Map.DepthLine(DC, 0, 2, Inner, Light);
  Map.Pixel(DC, 1, 1, Light);
  Map.AlongLine(DC, 0, 2, Len - 3, Light);
  Map.Pixel(DC, Len - 2, 1, Dark);
  Map.DepthLine(DC, Len - 1, 2, Inner, Dark);
  Map.DepthLine(DC, Len - 2, 2, Inner, Shadow);
  if (Active && FocusedFlag()) {
    TRect Focus = MoveOuterEdge(R, Side, 3);
    Focus = MoveOuterEdge(Focus, OppositeSide(Side), 3);
    if (IsSide(Side)) {
      Focus.Top += 3;
      Focus.Bottom -= 3;
    } else {
      Focus.Left += 3;
      Focus.Right -= 3;
    }
    if (Focus.Width() > 0 && Focus.Height() > 0)
      DrawFocusFrame(Canvas(), Focus, FocusColor);
  }
}

TRect TSeCustomTabControl::TabTextRect(int Index, const TRect& Rect, TTabPosition Side) const {
  const bool Active = Index == FTabIndex;
  TRect R = Rect;
  if (Active) {
    R.Left += 1;
    R.Top += 1;
    R.Right -= 1;
    R.Bottom -= 1;
  }
  const int H = TabHeightOf();
  switch (Side) {
  case tpTop:
    if (!Active)
      R.Top += 1;
    R.Bottom = R.Top + H;
    break;
  case tpBottom:
    R.Top = R.Bottom - H;
    break;
  case tpLeft:
    R.Right = R.Left + H;
    break;
  case tpRight:
    R.Left = R.Right - H;
    break;
  }
  return R;
}

void TSeCustomTabControl::DrawTabCaption(int Index, const TRect& Band, TTabPosition Side) {
  TRect R = Band;
  const std::wstring Text = WindowText(FTabs[Index]);
  const UINT Format = DrawTextBiDiModeFlags(DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  if (IsSide(Side))
    DrawRotatedText(Canvas(), Text, R, Side == tpLeft, Format);
  else
    DrawSkinText(Canvas(), Text, R, Format);
}

void TSeCustomTabControl::DrawTabText(int Index, const TRect& Rect, TTabPosition Side) {
  Canvas().Font.Assign(PaintFont());
  if (FHotTrack && Index == FHotTab)
    Canvas().Font.SetColor(SelectionColor);
  DrawTabCaption(Index, TabTextRect(Index, Rect, Side), Side);
  Canvas().Font.Assign(PaintFont());
}

void TSeCustomTabControl::PaintScrollButton(const TRect& Rect, bool Left, bool Pressed, bool Hot) {
  RECT R = ToRECT(Rect);
  if (Themed()) {
    // The spin control's horizontal arrows: left 1..4 and right 1..4 are normal, hot,
    // pressed, disabled.
    const int State = Pressed ? 3 : Hot ? 2 : 1;
    if (DrawThemePart(HandleAllocated() ? Handle() : nullptr, Canvas().Handle(), L"Spin",
                      Left ? 4 : 3, State, R))
      return;
  }
  UINT State = DFCS_SCROLLLEFT;
  if (!Left)
    State = DFCS_SCROLLRIGHT;
  if (Pressed)
    State |= DFCS_PUSHED;
  DrawFrameControl(Canvas().Handle(), &R, DFC_SCROLL, State);
}

void TSeCustomTabControl::PaintLeftButton() {
  PaintScrollButton(Layout().LeftButtonRect(), true, FLeftPressed, FLeftHot);
}

void TSeCustomTabControl::PaintRightButton() {
  PaintScrollButton(Layout().RightButtonRect(), false, FRightPressed, FRightHot);
}
