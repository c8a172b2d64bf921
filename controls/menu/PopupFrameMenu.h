#pragma once
// The frame's system menus as the library's popup menus: plain ones, or skinned ones for a
// skinned frame. Registered for the frame when the program starts.

#include "controls/frame/FrameMenu.h"

class TPopupFrameMenu final : public TFrameMenu {
public:
  TPopupMenu* NewMenu(TComponent* Owner, TSeSkinEngine* Engine) const override;
  void SetImages(TPopupMenu& Menu, TCustomImageList* Images) const override;
  void AddItem(TPopupMenu& Menu, const std::string& Caption, int ImageIndex, int ShortCut,
               TNotifyEvent OnClick) const override;
  void Prepare(TPopupMenu& Menu, const TSePopupMenuOptions& Options,
               bool Foreground) const override;
};

// Every program that links the library keeps the registering object (the build names this
// symbol to the linker), though nothing there calls into it.
extern "C" const bool MirevanFrameMenuRegistered;
