#include "controls/base/ParentBackground.h"

#include "controls/base/SeHook.h"
#include "gfx/Bitmap.h"
#include "toolkit/Forms.h"
#include "toolkit/GdiGuards.h"

namespace {

// The erase request to the parent: a form through its window (its frame hooks it there),
// any other parent straight to its handler.
void AskParent(TWinControl& Parent, HDC DC, const TSeParentBackgroundRequest& Request) {
  const auto WParam = reinterpret_cast<WPARAM>(DC);
  const auto LParam = reinterpret_cast<LPARAM>(&Request);
  if (dynamic_cast<TForm*>(&Parent))
    SendMessageW(Parent.Handle(), WM_ERASEBKGND, WParam, LParam);
  else
    Parent.Perform(WM_ERASEBKGND, WParam, LParam);
}

void PaintWindowlessSiblings(TWinControl& Parent, HDC DC) {
  for (int I = 0; I < Parent.ControlCount(); ++I) {
    TControl* Sibling = Parent.Controls(I);
    if (Sibling->Windowed() || !Sibling->Visible())
      continue;
    const TSavedDC Saved(DC);
    const TMoveWindowOrg Moved(DC, Sibling->Left(), Sibling->Top());
    const RECT Client = Sibling->ClientRect();
    IntersectClipRect(DC, Client.left, Client.top, Client.right, Client.bottom);
    Sibling->Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC), 0);
  }
}

} // namespace

void DrawParentBackground(TControl& Control, HDC DC, int Width, int Height,
                          TSePerformance Performance, bool PaintSiblings) {
  TWinControl* Parent = Control.Parent();
  if (!Parent || Width <= 0 || Height <= 0)
    return;
  const TSavedDC Saved(DC);
  const POINT P = Parent->ScreenToClient(Control.ClientOrigin());
  const TSeParentBackgroundRequest Request{1, P.x, P.y, P.x + Width, P.y + Height};

  if (Performance != qzpNoBuffer) {
    const TMoveWindowOrg Moved(DC, -P.x, -P.y);
    AskParent(*Parent, DC, Request);
    if (PaintSiblings)
      PaintWindowlessSiblings(*Parent, DC);
    return;
  }

  TseBitmap Temporary;
  Temporary.SetSize(Width, Height);
  {
    const HDC TempDC = Temporary.DC();
    const TMoveWindowOrg Moved(TempDC, -P.x, -P.y);
    TSeHook* Frame = dynamic_cast<TForm*>(Parent) ? ActiveFormFrame(Parent) : nullptr;
    if (Frame) {
      const TSavedDC Clipped(TempDC);
      IntersectClipRect(TempDC, P.x, P.y, P.x + Width, P.y + Height);
      TMessage Message{WM_ERASEBKGND, reinterpret_cast<WPARAM>(TempDC),
                       reinterpret_cast<LPARAM>(&Request), 0};
      Frame->Dispatch(Message);
    } else {
      AskParent(*Parent, TempDC, Request);
    }
  }
  BitBlt(DC, 0, 0, Width, Height, Temporary.DC(), 0, 0, SRCCOPY);
}
