#include "skin/SkinSource.h"

#include "gfx/Pixels.h"
#include "skin/SkinFilters.h"
#include "skin/SkinRegistry.h"
#include "toolkit/FileStreams.h"
#include "toolkit/ModuleInfo.h"
#include "toolkit/Published.h"
#include "toolkit/SysUtils.h"

TSeSkinSource::TSeSkinSource(TComponent* AOwner)
    : TComponent(AOwner), SkinName("Untitled skin"), SkinVersion("3.4.0"), Author("Mirevan"),
      AuthorEMail("skins@mirevan.invalid"), AuthorURL("https://mirevan.invalid/skins") {}

TSeSkinSource::~TSeSkinSource() { Clear(); }

const TPropTable& TSeSkinSource::Properties() {
  using T = TSeSkinSource;
  static const TPropTable Table(
      nullptr, {FieldProp("SkinName", &T::SkinName), FieldProp("SkinVersion", &T::SkinVersion),
                FieldProp("Author", &T::Author), FieldProp("AuthorEMail", &T::AuthorEMail),
                FieldProp("AuthorURL", &T::AuthorURL)});
  return Table;
}

void TSeSkinSource::Clear() {
  // Objects refer to the bitmaps: they go first.
  FObjects.clear();
  FBitmaps.Clear();
  FCurrentHue = 0;
  FAppliedHue = 0;
}

TSeSkinObject* TSeSkinSource::GetObject(int Index) const {
  if (Changing || Index < 0 || Index >= ObjectCount())
    return nullptr;
  return FObjects[static_cast<size_t>(Index)].get();
}

TSeSkinObject* TSeSkinSource::FindObject(std::string_view Name) const {
  if (!Changing)
    for (const auto& Object : FObjects)
      if (SameText(Object->Name(), Name))
        return Object.get();
  return nullptr;
}

TSeSkinObject* TSeSkinSource::FindObjectByKind(TSeKind Kind) const {
  if (!Changing)
    for (const auto& Object : FObjects)
      if (Object->Kind == Kind)
        return Object.get();
  return nullptr;
}

TSeSkinObject* TSeSkinSource::GetFormObject() const {
  TSeSkinObject* Form = FindObject("Form");
  return Form ? Form : FindObjectByKind(skForm);
}

TSeSkinObject* TSeSkinSource::AddObject(std::unique_ptr<TSeSkinObject> Object) {
  FObjects.push_back(std::move(Object));
  return FObjects.back().get();
}

void TSeSkinSource::LoadFromStream(TStream& Stream) {
  const auto Filter = DefaultSkinFilter().Create();
  Filter->Source = this;
  Filter->LoadFromStream(Stream);
  AfterLoad();
}

void TSeSkinSource::SaveToStream(TStream& Stream) {
  const auto Filter = DefaultSkinFilter().Create();
  Filter->Source = this;
  Filter->SaveToStream(Stream);
}

void TSeSkinSource::LoadFromFile(const std::string& FileName) {
  if (FileName.empty())
    return;
  std::string Path = FileName;
  if (!FileExists(Path) && !(Path.size() > 1 && Path[1] == ':'))
    Path = ExtractFilePath(ExeFileName()) + FileName;
  if (!FileExists(Path))
    return;
  const TSkinFilterClass* Class = FindSkinFilter(Path);
  if (!Class)
    return;
  const auto Filter = Class->Create();
  TFileStream File(Path, TFileMode::fmOpenRead);
  Filter->Source = this;
  Filter->LoadFromStream(File);
  AfterLoad();
}

void TSeSkinSource::SaveToFile(const std::string& FileName) {
  if (FileName.empty())
    return;
  const TSkinFilterClass* Class = FindSkinFilter(FileName);
  const auto Filter = (Class ? *Class : DefaultSkinFilter()).Create();
  Filter->Source = this;
  TFileStream File(FileName, TFileMode::fmCreate);
  Filter->SaveToStream(File);
}

void TSeSkinSource::AfterLoad() {
  for (const auto& Object : FObjects)
    if (TSeSkinObject* Client = Object->FindObjectByKind(skClient))
      Client->Masked = false;
}

void TSeSkinSource::ChangeHue(int32_t Hue) {
  if (Hue == FCurrentHue)
    return;
  FCurrentHue = Hue;
  const int32_t Delta = FCurrentHue - FAppliedHue;
  for (int I = 0; I < FBitmaps.Count(); ++I)
    ChangeBitmapHue(*FBitmaps.GetBitmap(I), Delta);
  for (const auto& Object : FObjects)
    Object->ChangeHue(Delta);
  FAppliedHue = FCurrentHue;
}
