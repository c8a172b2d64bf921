#pragma once
// The skin engine: the one non-visual component a skinned window places on itself. It owns
// the current skin, takes it from its stored "SkinStream", a skin file or an entry of a skin
// list, turns its hue, and tells every skinned control of the application when the skin is
// about to change (SE_SKINCHANGING) and when it has (SE_SKINCHANGED).

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/SkinSource.h"
#include "toolkit/Classes.h"
#include "toolkit/Streams.h"

class TControl;
class TSeSkinList;

// The version every skin component reports.
constexpr const char* SkinLibraryVersion = "3.4.0";

class TSeSkinEngine : public TComponent {
public:
  explicit TSeSkinEngine(TComponent* AOwner);
  std::string ClassName() const override { return "TSeSkinEngine"; }
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }

  TSeSkinSource* Source() const { return FSource; }
  bool HasSkin() const { return FSource->ObjectCount() > 0; }

  const std::string& SkinFile() const { return FSkinFile; }
  // Loads the file (nothing for a missing one or an unknown extension), turns it to
  // DeltaHue and tells the controls. Errors propagate with the source left Changing.
  void SetSkinFile(const std::string& Value);
  int32_t DeltaHue() const { return FDeltaHue; }
  // Turns the skin and tells the controls; kept for the next load while there is no skin.
  void SetDeltaHue(int32_t Value);
  TSeSkinList* SkinList() const { return FSkinList; }
  void SetSkinList(TSeSkinList* Value);
  int32_t SkinIndex() const { return FSkinIndex; }
  // An entry of SkinList (the last one for an index beyond it); -1 keeps the current skin.
  void SetSkinIndex(int32_t Value);
  // Display values: "(none)" and the library's version; writing them does nothing.
  std::string SkinStore() const { return "(none)"; }
  void SetSkinStore(const std::string&) {}
  std::string Version() const { return SkinLibraryVersion; }
  void SetVersion(const std::string&) {}

  bool SkinStoreCompression = false; // stored only
  TNotifyEvent OnAfterChange;
  TNotifyEvent OnBeforeChange;

  // Fires OnAfterChange when there is a skin, then applies SkinIndex again.
  void Loaded() override;
  // The stored "SkinStream": a byte (0 no skin; any other: a skin in the default container
  // follows) and the skin. Reading sends no messages; writing happens only for SkinIndex -1.
  void ReadSkinStream(TStream& Stream);
  void WriteSkinStream(TStream& Stream) const;

  // OnBeforeChange, then SE_SKINCHANGING to every control of every form.
  void BeforeChange();
  // SE_SKINCHANGED to every control of every form, then OnAfterChange.
  void AfterChange();
  // Message with WParam and LParam the engine to Control and, depth first, its children.
  void Broadcast(TControl* Control, UINT Message);

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  TSeSkinSource* FSource;
  std::string FSkinFile;
  int32_t FDeltaHue = 0;
  bool FBusy = false;
  TSeSkinList* FSkinList = nullptr;
  int32_t FSkinIndex = -1;
};

// One stored skin of a skin list.
class TSeSkinStream : public TPersistent {
public:
  TSeSkinStream();
  std::string ClassName() const override { return "TSeSkinStream"; }
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }

  TSeSkinSource& Source() { return *FSource; }
  const TSeSkinSource& Source() const { return *FSource; }
  // The skin's name, or "(empty)" without objects.
  std::string DisplayName() const;
  std::string SkinStore() const { return "(empty)"; }
  void SetSkinStore(const std::string&) {}
  int32_t Tag = 0;

  // As the engine's, with the byte 1 in front of a skin.
  void ReadSkinStream(TStream& Stream);
  void WriteSkinStream(TStream& Stream) const;

private:
  std::unique_ptr<TSeSkinSource> FSource;
};

class TSeSkinCollection {
public:
  int Count() const { return static_cast<int>(FItems.size()); }
  TSeSkinStream* Items(int Index) const;
  TSeSkinStream* Add();
  void Delete(int Index);
  void Clear() { FItems.clear(); }

private:
  std::vector<std::unique_ptr<TSeSkinStream>> FItems;
};

// Several stored skins to switch between by index.
class TSeSkinList : public TComponent {
public:
  using TComponent::TComponent;
  std::string ClassName() const override { return "TSeSkinList"; }
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }
  TSeSkinCollection& Skins() { return FSkins; }
  std::string Version() const { return SkinLibraryVersion; }
  void SetVersion(const std::string&) {}
  // The entries as the stored list reads and writes them.
  int SkinCount() const { return FSkins.Count(); }
  TSeSkinStream* Skin(int Index) const { return FSkins.Items(Index); }
  void ClearSkins() { FSkins.Clear(); }
  TSeSkinStream* AddSkin() { return FSkins.Add(); }

private:
  TSeSkinCollection FSkins;
};
