#include "skin/SkinRegistry.h"

#include "skin/SkinFilters.h"
#include "skin/SkinKinds.h"
#include "skin/SkinObjects.h"
#include "toolkit/SysUtils.h"

namespace {

std::vector<TSkinObjectClass> GObjectClasses;
std::vector<TSkinFilterClass> GFilters;

template <class T> void RegisterObjectClass() {
  GObjectClasses.push_back(
      {T(nullptr).ClassName(), [](TComponent* Owner) -> std::unique_ptr<TSeSkinObject> {
         return std::make_unique<T>(Owner);
       }});
}

template <class T> void RegisterFilter(const char* Extension, const char* Description) {
  GFilters.push_back({T().ClassName(), Extension, Description,
                      []() -> std::unique_ptr<TSeSkinFilter> { return std::make_unique<T>(); }});
}

// Library start: both registries in their fixed order. Runs after the lists above exist
// (same file, defined before).
const bool GStarted = [] {
  RegisterObjectClass<TSeSkinObject>();
  RegisterObjectClass<TSeActiveObject>();
  RegisterObjectClass<TSeBitmapObject>();
  RegisterObjectClass<TSeActiveBitmap>();
  RegisterObjectClass<TSeSystemButton>();
  RegisterObjectClass<TSeButtonObject>();
  RegisterObjectClass<TSeTextObject>();
  RegisterObjectClass<TSeLinkSkinObject>();
  RegisterObjectClass<TSeBitmapSkinObject>();
  RegisterObjectClass<TSeFormBitmapSkinObject>();
  RegisterObjectClass<TSeSysButtonSkinObject>();
  RegisterObjectClass<TSeActiveSkinObject>();
  RegisterObjectClass<TSeColorButtonObject>();
  RegisterObjectClass<TSeBitmapBoxObject>();
  RegisterObjectClass<TSeActiveBitmapBoxObject>();
  RegisterObjectClass<TSeButtonBitmapBoxObject>();
  RegisterObjectClass<TSeRollPanelObject>();
  RegisterFilter<TSeSkinFilterUncompressed>("uskn", "Uncompressed Skin");
  RegisterFilter<TSeSkinFilterCompressed>("qzkn", "Compressed Skin");
  RegisterFilter<TSeSkinFilterUltraCompressed>("xskn", "Ultra Compressed Skin");
  RegisterFilter<TSeSkinFilterMaxCompression>("mskn", "Maximum Compressed");
  return true;
}();

} // namespace

const std::vector<TSkinObjectClass>& SkinObjectClasses() { return GObjectClasses; }

const TSkinObjectClass* FindSkinObjectClass(std::string_view Name) {
  for (const TSkinObjectClass& Class : GObjectClasses)
    if (SameText(Class.Name, Name))
      return &Class;
  return nullptr;
}

const std::vector<TSkinFilterClass>& SkinFilters() { return GFilters; }

const TSkinFilterClass* FindSkinFilter(const std::string& FileName) {
  const size_t Dot = FileName.find_last_of(".\\/:");
  if (Dot == std::string::npos || FileName[Dot] != '.')
    return nullptr;
  const std::string Extension = FileName.substr(Dot);
  for (const TSkinFilterClass& Filter : GFilters)
    if (SameText("." + Filter.Extension, Extension))
      return &Filter;
  return nullptr;
}

const TSkinFilterClass& DefaultSkinFilter() { return GFilters.at(1); }
