#pragma once
// The further kinds of skin objects: simpler bitmap objects without layout while drawing, a
// caption button without active/inactive handling that can roll a panel, per-state colour
// buttons, nine-slice boxes, a placeholder for a real control and a panel that rolls up.

#include "skin/SkinObjects.h"

// Where the skinned form places the control named LinkControl.
class TSeLinkSkinObject : public TSeSkinObject {
public:
  using TSeSkinObject::TSeSkinObject;
  SE_SKIN_OBJECT_CLASS(TSeLinkSkinObject)
#ifdef _WIN32
  void Draw(TCanvas& Canvas) override;
#endif

  std::string LinkControl;
};

class TSeBitmapSkinObject : public TSeSkinObject {
public:
  explicit TSeBitmapSkinObject(TComponent* AOwner);
  SE_SKIN_OBJECT_CLASS(TSeBitmapSkinObject)
#ifdef _WIN32
  void Draw(TCanvas& Canvas) override;
  TRegionHandle CreateRegion() override;
#endif
  // Binds Bitmap with its masks computed without margins.
  void ResolveLinks() override;

  TseBitmapLinkPtr Bitmap;
  TscTileStyle TileStyle = tsTile;

protected:
  // The links' masks are computed without margins.
  TRect LinkMargins() const { return {}; }
};

class TSeFormBitmapSkinObject : public TSeBitmapSkinObject {
public:
  explicit TSeFormBitmapSkinObject(TComponent* AOwner);
  SE_SKIN_OBJECT_CLASS(TSeFormBitmapSkinObject)
#ifdef _WIN32
  void Draw(TCanvas& Canvas) override;
#endif
  void ResolveLinks() override;

  TseBitmapLinkPtr InactiveBitmap;
};

class TSeSysButtonSkinObject : public TSeCaptionButton<TSeBitmapSkinObject> {
public:
  explicit TSeSysButtonSkinObject(TComponent* AOwner);
  SE_SKIN_OBJECT_CLASS(TSeSysButtonSkinObject)
#ifdef _WIN32
  void Draw(TCanvas& Canvas) override;
#endif
  void ResolveLinks() override;
  // As a system button's, and sbaRollPanel rolls the panel named RollPanel in this tree.
  void DoAction() override;

  TseBitmapLinkPtr BitmapHover;
  TseBitmapLinkPtr BitmapDown;
  std::string RollPanel;
};

class TSeActiveSkinObject : public TSeSkinObject {
public:
  using TSeSkinObject::TSeSkinObject;
  SE_SKIN_OBJECT_CLASS(TSeActiveSkinObject)
#ifdef _WIN32
  void Draw(TCanvas& Canvas) override;
#endif
  void ChangeHue(int32_t Delta) override;
  // Hot while the pointer is over it.
  void MouseEnter() override;
  void MouseLeave() override;

  TColor ActiveColor = 0xFFFFFF;
  TFont ActiveFont;
};

class TSeColorButtonObject : public TSeSkinObject {
public:
  using TSeSkinObject::TSeSkinObject;
  SE_SKIN_OBJECT_CLASS(TSeColorButtonObject)
#ifdef _WIN32
  void Draw(TCanvas& Canvas) override;
#endif

  TColor HotColor = 0xFFFFFF;
  TFont HotFont;
  TColor PressedColor = 0xFFFFFF;
  TFont PressedFont;
  TColor FocusedColor = 0xFFFFFF;
  TFont FocusedFont;
  TColor DisabledColor = 0xFFFFFF;
  TFont DisabledFont;
};

class TSeBitmapBoxObject : public TSeBitmapSkinObject {
public:
  using TSeBitmapSkinObject::TSeBitmapSkinObject;
  SE_SKIN_OBJECT_CLASS(TSeBitmapBoxObject)
#ifdef _WIN32
  void Draw(TCanvas& Canvas) override;
#endif

  TscTileStyle BorderTileStyle = tsTile;
};

class TSeActiveBitmapBoxObject : public TSeBitmapBoxObject {
public:
  explicit TSeActiveBitmapBoxObject(TComponent* AOwner);
  SE_SKIN_OBJECT_CLASS(TSeActiveBitmapBoxObject)
#ifdef _WIN32
  void Draw(TCanvas& Canvas) override;
#endif
  void ResolveLinks() override;

  TseBitmapLinkPtr FocusedBitmap;
};

class TSeButtonBitmapBoxObject : public TSeStateBitmaps<TSeBitmapBoxObject> {
public:
  using TSeStateBitmaps::TSeStateBitmaps;
  SE_SKIN_OBJECT_CLASS(TSeButtonBitmapBoxObject)
};

// A panel that rolls up to RollValue along one edge and back.
class TSeRollPanelObject : public TSeSkinObject {
public:
  using TSeSkinObject::TSeSkinObject;
  SE_SKIN_OBJECT_CLASS(TSeRollPanelObject)
  // Open: rolls to RollValue, keeping the edge opposite RollKind's; rolled: back to the
  // size it had. Nothing for an object without owner.
  void ToggleRoll();

  TSeRollKind RollKind = rkLeft;
  int32_t RollValue = 0;

private:
  int32_t FSavedSize = 0;
};

// Runs the application's pending messages (the Windows build; nothing elsewhere).
void ProcessSkinMessages();
