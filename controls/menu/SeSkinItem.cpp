#include "controls/menu/SeSkinItem.h"

#include "controls/menu/MenuMetrics.h"
#include "controls/menu/SeItemView.h"
#include "controls/menu/SeSkinPopupWindow.h"
#include "gfx/Shapes.h"
#include "gfx/SkinText.h"
#include "skin/SkinEngine.h"
#include "skin/SkinSource.h"
#include "toolkit/AnsiText.h"
#include "toolkit/ShortCuts.h"

namespace {

// The skin's state for an item: normal, else hot while the view follows the mouse, else
// focused (keyboard navigation).
TSeState ItemState(bool NotTracking, bool IsCurrent) {
  if (!IsCurrent)
    return osNormal;
  return NotTracking ? osHot : osFocused;
}

} // namespace

TSeSkinItem::TSeSkinItem(TComponent* AOwner) : TSeCustomItem(AOwner) {}

TSeSkinItem::~TSeSkinItem() {
  if (FEngine)
    FEngine->RemoveFreeNotification(this);
}

void TSeSkinItem::Notification(TComponent* AComponent, TOperation Operation) {
  TSeCustomItem::Notification(AComponent, Operation);
  if (Operation == TOperation::opRemove && AComponent == FEngine) {
    FEngine = nullptr;
    FBarTemplate = FPopupTemplate = FBarItem = FPopupItem = FSeparator = nullptr;
  }
}

void TSeSkinItem::SetSkinEngine(TSeSkinEngine* Engine) {
  ReplaceReference(FEngine, Engine);
  FBarTemplate = FPopupTemplate = FBarItem = FPopupItem = FSeparator = nullptr;
  const TSeSkinSource* Source = FEngine ? FEngine->Source() : nullptr;
  if (Source && !Source->Changing && Source->ObjectCount() > 0) {
    FBarTemplate = Source->FindObject("MenuBar");
    FPopupTemplate = Source->FindObject("PopupMenu");
    if (FBarTemplate)
      FBarItem = FBarTemplate->FindObject("Item");
    if (FPopupTemplate) {
      FPopupItem = FPopupTemplate->FindObject("Item");
      FSeparator = FPopupTemplate->FindObject("Separator");
    }
  }
  for (int I = 0; I < Count(); ++I)
    if (auto* Child = dynamic_cast<TSeSkinItem*>(Items(I)))
      Child->SetSkinEngine(Engine);
}

bool TSeSkinItem::SkinUsable() const {
  if (Destroying() || Loading() || !FEngine)
    return false;
  const TSeSkinSource* Source = FEngine->Source();
  return Source && !Source->Changing && Source->ObjectCount() > 0 && FBarTemplate && FPopupTemplate;
}

std::unique_ptr<TSePopupWindow> TSeSkinItem::CreatePopupWindow() {
  return std::make_unique<TSeSkinPopupWindow>(nullptr, FEngine);
}

TPoint TSeSkinItem::MeasureItem(TCanvas& Canvas, TSeItemView& View) {
  if (!SkinUsable())
    return TSeCustomItem::MeasureItem(Canvas, View);
  const std::wstring Text = WindowText(Caption());
  if (View.Bar()) {
    if (!FBarItem)
      return TSeCustomItem::MeasureItem(Canvas, View);
    Canvas.Font = FBarItem->GetFont();
    const int Height = FBarItem->Height();
    if (SystemKind != sikOrdinary)
      return {Height, Height};
    return {TextWidth(Canvas, Text) + FBarItem->TextMarginLeft + FBarItem->TextMarginRight, Height};
  }
  if (!FPopupItem)
    return TSeCustomItem::MeasureItem(Canvas, View);
  Canvas.Font = FPopupItem->GetFont();
  const int Column = ImageColumnWidth(*this);
  int Width = TextWidth(Canvas, Text) + Column + 20 + 22;
  if (const std::string Keys = ShortCutToText(ShortCut()); !Keys.empty())
    Width += TextWidth(Canvas, WindowText(Keys));
  int Height = FPopupItem->Height();
  if (!IsSeparator() && Height < Column - 4)
    Height = Column + 4;
  return {Width, Height};
}

void TSeSkinItem::DrawItem(TCanvas& Canvas, TSeItemView& View, bool NotTracking, bool IsCurrent,
                           const TRect& Rect) {
  if (!SkinUsable() || (View.Bar() ? !FBarItem : !FPopupItem)) {
    TSeCustomItem::DrawItem(Canvas, View, NotTracking, IsCurrent, Rect);
    return;
  }
  if (View.Bar())
    DrawBarItem(Canvas, NotTracking, IsCurrent, Rect);
  else
    DrawPopupItem(Canvas, NotTracking, IsCurrent, Rect);
}

void TSeSkinItem::DrawPopupItem(TCanvas& Canvas, bool NotTracking, bool IsCurrent,
                                const TRect& Rect) {
  if (IsSeparator()) {
    TSeSkinObject* Line = FSeparator ? FSeparator : FPopupItem;
    Line->SetBounds(Rect);
    Line->Text = Line == FPopupItem ? L"-" : L"";
    Line->ShortCutText.clear();
    Line->Enabled = true;
    Line->SetState(osNormal);
    Line->Draw(Canvas);
    return;
  }
  const int Column = ImageColumnWidth(*this);
  FPopupItem->SetState(ItemState(NotTracking, IsCurrent));
  Canvas.Font = FPopupItem->GetFont();
  FPopupItem->SetBounds(Rect);
  FPopupItem->Text = WindowText(Caption());
  FPopupItem->Enabled = Enabled();
  FPopupItem->ShortCutText = WindowText(ShortCutToText(ShortCut()));
  if (FPopupItem->TextMarginLeft < Column)
    FPopupItem->TextMarginLeft = Column; // stays on the skin's object, as for every item
  FPopupItem->Draw(Canvas);
  const TRect ColumnRect{Rect.Left, Rect.Top, Rect.Left + Column, Rect.Bottom};
  if (HasImage())
    DrawItemImage(Canvas, *this, ColumnRect);
  else if (Checked())
    DrawMenuCheck(Canvas, ColumnRect, Canvas.Font.Color(), Canvas.Font.Color());
  if (Count() > 0)
    DrawMenuArrow(Canvas.Handle(), Rect.Right - 22 + (22 - MenuArrowSize) / 2,
                  Rect.Top + (Rect.Height() - MenuArrowSize) / 2, Canvas.Font.Color());
}

void TSeSkinItem::DrawBarItem(TCanvas& Canvas, bool NotTracking, bool IsCurrent,
                              const TRect& Rect) {
  const TSeState State = ItemState(NotTracking, IsCurrent);
  if (SystemKind == sikClose || SystemKind == sikRestore || SystemKind == sikMinimize) {
    const char* Name = SystemKind == sikClose     ? "Close"
                       : SystemKind == sikRestore ? "Restore"
                                                  : "Min";
    TSeSkinObject* Button = FBarTemplate->FindObject(Name);
    if (!Button)
      return;
    Button->SetState(State);
    const int W = Button->Width(), H = Button->Height();
    const int L = Rect.Left + (Rect.Width() - W) / 2, T = Rect.Top + (Rect.Height() - H) / 2;
    Button->SetBounds({L, T, L + W, T + H});
    Button->Draw(Canvas);
    return;
  }
  FBarItem->SetState(State);
  Canvas.Font = FBarItem->GetFont();
  FBarItem->SetBounds(Rect);
  FBarItem->Text = SystemKind == sikWindowIcon ? L"" : WindowText(Caption());
  FBarItem->Enabled = Enabled();
  FBarItem->Draw(Canvas);
  if (SystemKind == sikWindowIcon) {
    HICON Icon = LoadIconW(GetModuleHandleW(nullptr), L"MAINICON");
    DrawIconCentered(Canvas, Rect, Icon ? Icon : LoadIconW(nullptr, MAKEINTRESOURCEW(32512)));
  }
}

void TSeSkinItem::DrawScrollArrow(TCanvas& Canvas, TSeItemView& View, bool Hot, int Arrow,
                                  const TRect& Rect) {
  if (!SkinUsable() || !FPopupItem) {
    TSeCustomItem::DrawScrollArrow(Canvas, View, Hot, Arrow, Rect);
    return;
  }
  std::unique_ptr<TSeSkinObject> Strip = CloneSkinObject(*FPopupItem, nullptr);
  if (Strip) {
    Strip->SetBounds(Rect);
    Strip->Text.clear();
    Strip->SetState(Hot ? osFocused : osNormal);
    Strip->Draw(Canvas);
    Canvas.Font = Strip->GetFont();
  }
  DrawScrollTriangle(Canvas, Rect, Arrow, Canvas.Font.Color());
}
