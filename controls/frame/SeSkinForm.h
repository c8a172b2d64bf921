#pragma once
// The skinned form frame: the plain frame's behaviour with the look, the shape and the
// caption buttons of the skin's form object, whenever its skin engine holds a skin. It works
// on a private copy of that object, laid out to the window's size: the copy's kinds of
// objects answer hit-testing, its caption buttons take the mouse and run the frame's actions,
// and a hover timer gives them their hot look.

#include <memory>
#include <string>

#include "controls/frame/SeCustomForm.h"
#include "skin/SkinEngine.h"
#include "skin/SkinObject.h"

class TTimer;

using TCustomActionEvent = std::function<void(TObject* Sender, TSeSkinObject* SkinObject)>;

class TSeSkinForm : public TSeCustomForm, public TSeSkinFormLink {
public:
  explicit TSeSkinForm(TComponent* AOwner);
  ~TSeSkinForm() override;
  std::string ClassName() const override { return "TSeSkinForm"; }
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }
  void Loaded() override;

  TSeSkinEngine* SkinEngine() const { return FEngine; }
  // Takes a copy of the skin's object (with a usable skin) and refreshes the frame.
  void SetSkinEngine(TSeSkinEngine* Value);
  const std::string& SkinObject() const { return FSkinObject; }
  // "Form", or a name the skin lacks, means the skin's form object.
  void SetSkinObject(const std::string& Value);
  TCustomActionEvent OnCustomAction;

  // Whether the frame wears the skin now.
  bool Skinned() const;
  TSeSkinObject* SkinCopy() const { return FCopy.get(); }
  TSeSkinObject* HotObject() const { return FHot; }

  TRect GetFrameClientRect() const override;
  TRect GetButtonRect(TSeFrameZone Button) const override;
  TSeFrameZone HitTest(int X, int Y) const override;
  TRect GetMaximizedRect() override;
  TRegionHandle CreateFrameRegion() override;

  void FrameMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void FrameMouseMove(TShiftState Shift, int X, int Y) override;
  void FrameMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

  void Dispatch(TMessage& Message) override;

  // TSeSkinFormLink
  TSeBorderIcons BorderIcons() const override { return TSeCustomForm::BorderIcons(); }
  void DoFormAction(TSeAction Action, TSeSkinObject* Button) override;

  // The hover timer's step (also run by tests): the object under the cursor becomes hot.
  void HoverStep();

protected:
  void PaintNonClient(TCanvas& Canvas) override;
  void PaintClientBackground(TCanvas& Canvas, const TRect& Client) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // The built-in system menu wears the frame's skin.
  TPopupMenu* CreateSystemMenu(const TFrameMenu& Menus) override;

private:
  void Attach();
  void Detach();
  // Lays the copy out to the frame's size (nothing when it has it already).
  void AlignCopy() const;
  TSeSkinObject* ObjectAt(int X, int Y) const;
  void DrawCopy(TCanvas& Canvas);

  TSeSkinEngine* FEngine = nullptr;
  std::string FSkinObject = "Form";
  std::unique_ptr<TSeSkinObject> FCopy;
  TPoint FObjectSize; // the skin object's own size, before the copy is laid out
  TSeSkinObject* FTitle = nullptr;
  TSeSkinObject* FClient = nullptr;
  TSeSkinObject* FHot = nullptr;
  TSeSkinObject* FPressed = nullptr;
  TTimer* FHoverTimer = nullptr;
};
