#pragma once
// A non-visual component that sees the messages of one target window before the window's own
// procedure (and may swallow them) and after it. Any number of hooks may watch one window:
// they join the window's subclass chain through one control hook (TControlHook), and the one
// registered last sees a message first.

#include <string>

#include "toolkit/ControlMessages.h"
#include "toolkit/Controls.h"
#include "toolkit/Forms.h"

class TControlHook;

class TSeHook : public TComponent {
public:
  explicit TSeHook(TComponent* AOwner);
  ~TSeHook() override;
  std::string ClassName() const override { return "TSeHook"; }
  void BeforeDestruction() override;
  void Loaded() override;

  // True registers the hook with its target's control hook (made on demand), false takes it
  // away. While the hook's own properties are read, it only stores.
  bool Active() const { return FActive; }
  void SetActive(bool Value);
  TWinControl* Control() const { return FControl; }
  void SetControl(TWinControl* Value);
  TControlHook* ControlHook() const { return FHook; }

  // Before the window's procedure: Handled comes in as the earlier hooks left it; the hook
  // dispatches the message to its own handlers (Dispatch), which call SetHandled to
  // swallow it.
  virtual void BeforeMessage(TMessage& Message, bool& Handled);
  // After the window's procedure (and Message.Result holds its answer).
  virtual void AfterMessage(TMessage& Message);
  // The hook's own handlers, by message number; the base has none.
  virtual void Dispatch(TMessage& Message);
  void SetHandled() { FHandled = true; }

  // The skinned frame of a form answers true; the controls' parent-background requests go
  // straight to the active one.
  virtual bool IsFormFrame() const { return false; }

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  void Register();
  void Unregister();

  bool FActive = true;
  TWinControl* FControl = nullptr;
  TControlHook* FHook = nullptr;
  bool FHandled = false;
};

// The active skinned frame of the form at the top of Control's parents: the first
// component the form owns that is a form frame with Active on. Null when there is none.
TSeHook* ActiveFormFrame(TControl* Control);
