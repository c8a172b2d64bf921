// The edit's context menu: made once, its items enabled for what the edit can do at each
// showing, opened where the platform asked for it.

#include <windowsx.h>

#include "controls/edit/SeCustomEdit.h"
#include "controls/menu/SeCustomItem.h"
#include "controls/menu/SePopupMenu.h"
#include "toolkit/Clipboard.h"
#include "toolkit/Forms.h"

TSeCustomPopupMenu* TSeCustomEdit::NewContextMenu() {
  return MakeComponent<TSeCustomPopupMenu>(this);
}

void TSeCustomEdit::BuildContextMenu() {
  FContextMenu = NewContextMenu();
  const auto Add = [this](const char* Caption, void (TSeCustomEdit::*Action)()) {
    TSeCustomItem* Item = FContextMenu->NewItem();
    Item->SetCaption(Caption);
    if (Action)
      Item->OnClick = [this, Action](TObject*) { (this->*Action)(); };
    FContextMenu->Items()->Add(Item);
    return Item;
  };
  FUndoItem = Add("Undo", &TSeCustomEdit::UndoCommand);
  Add("-", nullptr);
  FCutItem = Add("Cut", &TSeCustomEdit::CutToClipboard);
  FCopyItem = Add("Copy", &TSeCustomEdit::CopyToClipboard);
  FPasteItem = Add("Paste", &TSeCustomEdit::PasteFromClipboard);
  FDeleteItem = Add("Delete", &TSeCustomEdit::ClearSelection);
  Add("-", nullptr);
  FSelectAllItem = Add("Select All", &TSeCustomEdit::SelectAll);
}

void TSeCustomEdit::ShowContextMenu(LPARAM At) {
  if (!FContextMenu)
    BuildContextMenu();
  const bool Selected = FModel.HasSelection(), Password = FPasswordKind != pkNone;
  FUndoItem->SetEnabled(FModel.CanUndo() && !ReadOnly());
  FCutItem->SetEnabled(Selected && !Password && !ReadOnly());
  FCopyItem->SetEnabled(Selected && !Password);
  FPasteItem->SetEnabled(ClipboardHasText() && !ReadOnly());
  FDeleteItem->SetEnabled(Selected && !ReadOnly());
  FSelectAllItem->SetEnabled(!FModel.AllSelected());
  FContextMenu->SetPopupMenuOptions(*FContextMenuOptions);
  if (TForm* Form = GetParentForm(this); Form && Form->HandleAllocated())
    SendMessageW(Form->Handle(), WM_CANCELMODE, 0, 0);
  // From the keyboard the menu opens below the caret.
  POINT Point{GET_X_LPARAM(At), GET_Y_LPARAM(At)};
  if (At == -1)
    Point = ClientToScreen({CaretX(FModel.Caret()), TextRect().bottom});
  FContextMenu->Popup(Point.x, Point.y);
}
