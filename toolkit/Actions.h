#pragma once
// Actions: one command (its caption, state and handler) that several controls and menu
// items show and run. A client linked to an action is told of every change of it.

#include <string>
#include <vector>

#include "toolkit/Classes.h"

class TBasicAction;
#ifdef _WIN32
class TCustomImageList;
#endif

// What a control or item that shows an action implements.
class TActionClient {
public:
  virtual void ActionChanged(TBasicAction& Action) = 0;

protected:
  ~TActionClient() = default;
};

class TBasicAction : public TComponent {
public:
  using TComponent::TComponent;
  ~TBasicAction() override;
  std::string ClassName() const override { return "TBasicAction"; }

  // Runs OnExecute; false when there is none.
  virtual bool Execute();
  // Runs OnUpdate (the action brings its state up to date before it shows); false without one.
  virtual bool Update();
  TNotifyEvent OnExecute;
  TNotifyEvent OnUpdate;

  void AddClient(TActionClient* Client);
  void RemoveClient(TActionClient* Client);

protected:
  // Tells every client.
  void Change();

private:
  std::vector<TActionClient*> FClients;
};

class TAction : public TBasicAction {
public:
  using TBasicAction::TBasicAction;
  std::string ClassName() const override { return "TAction"; }

  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& Value);
  bool Checked() const { return FChecked; }
  void SetChecked(bool Value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  int HelpContext() const { return FHelpContext; }
  void SetHelpContext(int Value);
  const std::string& Hint() const { return FHint; }
  void SetHint(const std::string& Value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  int ShortCut() const { return FShortCut; }
  void SetShortCut(int Value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  // A new handler is a change too: the clients run the new one.
  void SetOnExecute(TNotifyEvent Value);
#ifdef _WIN32
  // The list ImageIndex picks the action's image from; clients that show pictures (a
  // button's glyph) take it from there. A list that goes away leaves none.
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  // Whether ImageIndex names an image of Images.
  bool HasImage() const;

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;
#endif

private:
  template <class T> void Set(T& Field, const T& Value) {
    if (Field == Value)
      return;
    Field = Value;
    Change();
  }

  std::string FCaption;
  bool FChecked = false;
  bool FEnabled = true;
  int FHelpContext = 0;
  std::string FHint;
  int FImageIndex = -1;
  int FShortCut = 0;
  bool FVisible = true;
#ifdef _WIN32
  TCustomImageList* FImages = nullptr;
#endif
};

// The link a control or menu item keeps to its action: every change of the action reaches
// Client.ActionChanged(Action, false), the action's values taking the place of the client's.
template <class T> class TActionLinkOf final : public TActionClient {
public:
  explicit TActionLinkOf(T& Client) : FClient(Client) {}
  void ActionChanged(TBasicAction& Action) override {
    if (auto* Source = dynamic_cast<TAction*>(&Action))
      FClient.ActionChanged(*Source, false);
  }

private:
  T& FClient;
};
