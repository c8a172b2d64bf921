#pragma once
// The skinned edit: its frame and background from the skin object "Edit" (its "Frame" in the
// edit's state), its text in the font of "Text", and a skinned context menu of the same
// engine. Without a usable skin it is the plain edit.

#include <string>

#include "controls/base/Skinned.h"
#include "controls/edit/SeCustomEdit.h"
#include "skin/SkinTypes.h"

class TSeSkinEdit : public TSeSkinned<TSeCustomEdit> {
public:
  explicit TSeSkinEdit(TComponent* AOwner);
  std::string ClassName() const override { return "TSeSkinEdit"; }
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }

  // Disabled, hot, focused or normal.
  TSeState ObjectState() const;

  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override;

protected:
  void PaintBorder() override;
  void PaintBackground() override;
  // The font of "Text" (or of the whole object) in the edit's state.
  TFont TextFont() const override;
  TSeCustomPopupMenu* NewContextMenu() override;
  // The font of "Text" (or of the whole object) becomes the edit's; a masked "Frame" makes
  // it see-through.
  void SkinAttached(TSeSkinObject& Copy) override;

private:
  // "Frame" (or the whole object) in the edit's state over Bounds.
  void DrawFrame(const TRect& Bounds);
};
