#pragma once
// The skinned report list: border and background from the skin object "ListBox" (its
// "Frame", the list taking the object's colour for its rows), the column header's sections
// from the object "Header" (its "Section", pressed under the held left button) and its
// in-place scroll bars skinned from the same engine. Without a usable skin it is the plain
// list.

#include <windows.h>

#include <memory>
#include <string>

#include "controls/base/Skinned.h"
#include "controls/list/SeCustomListView.h"
#include "controls/scroll/SeSkinScrollBar.h"
#include "skin/SkinTypes.h"

class TSeSkinSListView : public TSeSkinned<TSeCustomListView> {
public:
  explicit TSeSkinSListView(TComponent* AOwner);
  std::string ClassName() const override { return "TSeSkinSListView"; }
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }

  // Attaches both skin objects and hands the engine to the in-place bars.
  void SetSkinEngine(TSeSkinEngine* Engine);
  // Only the name: the list takes it at the next attachment.
  void SetSkinObject(const std::string& Value) { StoreSkinObject(Value); }
  const std::string& SkinHeaderObject() const { return FSkinHeaderObject; }
  // Only the name: the header takes it at the next attachment.
  void SetSkinHeaderObject(const std::string& Value) { FSkinHeaderObject = Value; }

  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override;

  // The header's copy of its skin object, null when not attached.
  TSeSkinObject* HeaderSkin() const { return FHeaderSkin.get(); }
  // The inner skinned bar of an in-place bar.
  TSeSkinScrollBar* SkinBar(TSeInplaceScrollBar* Bar) const;

protected:
  std::unique_ptr<TSeCustomScrollBar> CreateScrollBar(TComponent* AOwner) override;
  void DrawHeaderSection(TCanvas& Canvas, const TRect& Rect, bool IsBackground, bool Hot,
                         bool Pressed, const std::string& Caption) override;
  void PaintBorder(TCanvas& Canvas, const TRect& Rect) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // The list's colour becomes the skin object's.
  void SkinAttached(TSeSkinObject& Copy) override;

private:
  std::string FSkinHeaderObject = "Header";
  std::unique_ptr<TSeSkinObject> FHeaderSkin;
};
