#pragma once
// One loaded skin: five header strings, the skin's bitmaps and its top-level skin objects.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "gfx/BitmapLink.h"
#include "skin/SkinObject.h"
#include "toolkit/Classes.h"
#include "toolkit/Streams.h"

class TSeSkinSource : public TComponent {
public:
  explicit TSeSkinSource(TComponent* AOwner = nullptr);
  ~TSeSkinSource() override;
  std::string ClassName() const override { return "TSeSkinSource"; }
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }

  // Header strings.
  std::string SkinName;
  std::string SkinVersion;
  std::string Author;
  std::string AuthorEMail;
  std::string AuthorURL;

  TseBitmapList& Bitmaps() { return FBitmaps; }
  const TseBitmapList& Bitmaps() const { return FBitmaps; }

  // Set by the engine while it replaces the content: objects are then hidden from every
  // lookup but ObjectCount.
  bool Changing = false;
  int32_t CurrentHue() const { return FCurrentHue; }

  // No bitmaps, no objects, nothing shifted.
  void Clear();
  int ObjectCount() const { return static_cast<int>(FObjects.size()); }
  TSeSkinObject* GetObject(int Index) const;
  // Top-level objects only; the name compares ignoring case.
  TSeSkinObject* FindObject(std::string_view Name) const;
  TSeSkinObject* FindObjectByKind(TSeKind Kind) const;
  // "Form", or else the first of kind skForm.
  TSeSkinObject* GetFormObject() const;
  // Takes a top-level object over (the readers add what they read).
  TSeSkinObject* AddObject(std::unique_ptr<TSeSkinObject> Object);

  // Through the default (compressed) filter.
  virtual void LoadFromStream(TStream& Stream);
  virtual void SaveToStream(TStream& Stream);
  // By the file's extension. Loading does nothing for an empty name, a file that is not
  // there (also beside the program for a relative name) or an unknown extension; saving
  // falls back to the default filter.
  virtual void LoadFromFile(const std::string& FileName);
  virtual void SaveToFile(const std::string& FileName);
  // Shifts bitmaps and colours so that they stand Hue away from the skin as stored.
  virtual void ChangeHue(int32_t Hue);

  // Classes the last load met but does not know, in the order met; their records were
  // passed over.
  const std::vector<std::string>& SkippedClasses() const { return FSkippedClasses; }
  void SetSkippedClasses(std::vector<std::string> Names) { FSkippedClasses = std::move(Names); }

private:
  // The first skClient object of each tree is never masked.
  void AfterLoad();

  TseBitmapList FBitmaps;
  std::vector<std::unique_ptr<TSeSkinObject>> FObjects;
  int32_t FCurrentHue = 0;
  int32_t FAppliedHue = 0;
  std::vector<std::string> FSkippedClasses;
};
