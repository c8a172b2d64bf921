#pragma once
// The option objects through which forms, controls and popup menus configure translucency,
// shadow, edge snapping, dragging and the show transition.

#include <memory>
#include <string>

#include "gfx/Animation.h"
#include "toolkit/Classes.h"

class TPropTable;

enum TSeDirection : uint8_t { qdNone, qdNoRotate, qdRotate90, qdRotate180, qdRotate270 };
enum TSeFormDragMode : uint8_t { qfdmBorder, qfdmFullDrag };

class TSeBlending : public TPersistent {
public:
  std::string ClassName() const override { return "TSeBlending"; }
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }
  // Copies both values as they are, then fires OnChange once.
  void Assign(const TPersistent& Source) override;
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  // Alpha 0..255.
  int32_t Value() const { return FValue; }
  void SetValue(int32_t Value);
  TNotifyEvent OnChange;

private:
  void Changed();
  bool FEnabled = false;
  int32_t FValue = 150;
};

class TSeShadow : public TPersistent {
public:
  std::string ClassName() const override { return "TSeShadow"; }
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }
  void Assign(const TPersistent& Source) override;
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  // Pixels, at most 20; 0 or less also switches the shadow off.
  int32_t Size() const { return FSize; }
  void SetSize(int32_t Value);
  TNotifyEvent OnChange;

private:
  void Changed();
  bool FEnabled = false;
  int32_t FSize = 4;
};

class TSeGravitation : public TPersistent {
public:
  std::string ClassName() const override { return "TSeGravitation"; }
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }
  void Assign(const TPersistent& Source) override;
  bool Enabled = true;
  // Pixels, 1..50.
  int32_t Size() const { return FSize; }
  void SetSize(int32_t Value);

private:
  int32_t FSize = 20;
};

class TSeDragging : public TPersistent {
public:
  std::string ClassName() const override { return "TSeDragging"; }
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }
  void Assign(const TPersistent& Source) override;
  bool Moveable = true;
  bool Sizeable = true;
  TSeFormDragMode DragMode = qfdmFullDrag;
};

// The show transition, read and written through the record it owns.
class TSeAnimation : public TPersistent {
public:
  TSeAnimation();
  std::string ClassName() const override { return "TSeAnimation"; }
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }
  void Assign(const TPersistent& Source) override;
  const TseAnimationRec& Rec() const { return *FRec; }

  TSeDirection Direction() const;
  void SetDirection(TSeDirection Value);
  const std::string& EffectKind() const { return FRec->Effect(); }
  void SetEffectKind(const std::string& Value) { FRec->SetEffect(Value); }
  bool Enabled() const { return FRec->Enabled(); }
  void SetEnabled(bool Value) { FRec->SetEnabled(Value); }
  int32_t Resolution() const { return FRec->Resolution(); }
  void SetResolution(int32_t Value) { FRec->SetResolution(Value); }
  int32_t TileCount() const { return FRec->TileCount(); }
  void SetTileCount(int32_t Value) { FRec->SetTileCount(Value); }
  int32_t Time() const { return FRec->Time(); }
  void SetTime(int32_t Value) { FRec->SetTime(Value); }

private:
  std::unique_ptr<TseAnimationRec> FRec;
};

// Translucency, shadow and transition together, for one kind of window.
class TSeEffectBundle : public TPersistent {
public:
  TSeEffectBundle();
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }
  // Copies all three from a bundle of the same class and fires OnChange once.
  void Assign(const TPersistent& Source) override;
  const TSeBlending& Blending() const { return *FBlending; }
  void SetBlending(const TSeBlending& Value);
  const TSeShadow& Shadow() const { return *FShadow; }
  void SetShadow(const TSeShadow& Value);
  const TSeAnimation& Animation() const { return *FAnimation; }
  void SetAnimation(const TSeAnimation& Value);
  TNotifyEvent OnChange;

private:
  void Changed();
  std::unique_ptr<TSeBlending> FBlending;
  std::unique_ptr<TSeShadow> FShadow;
  std::unique_ptr<TSeAnimation> FAnimation;
};

class TSePopupMenuOptions : public TSeEffectBundle {
public:
  std::string ClassName() const override { return "TSePopupMenuOptions"; }
};

class TSeFormOptions : public TSeEffectBundle {
public:
  std::string ClassName() const override { return "TSeFormOptions"; }
};
