#include "toolkit/CommonControls.h"

#include "toolkit/SysUtils.h"
#include "toolkit/SystemLibrary.h"

namespace {

const wchar_t* const LibraryName = L"comctl32.dll";

HMODULE LoadLibraryOfManifest() {
  // A redirection in the activation context takes a load by bare name into the side-by-side
  // store; without one (no manifest, or a system without the store) the bare name would be
  // searched for, so the system folder's file is named in full.
  ACTCTX_SECTION_KEYED_DATA Redirection{};
  Redirection.cbSize = sizeof Redirection;
  if (FindActCtxSectionStringW(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION, LibraryName,
                               &Redirection))
    return LoadLibraryW(LibraryName);
  return LoadSystemLibrary(LibraryName);
}

template <class T> bool Find(HMODULE Module, const char* Name, T& Proc) {
  Proc = LibraryProc<T>(Module, Name);
  return Proc != nullptr;
}

TCommonControls Load() {
  // Kept for the life of the process, as an import would be.
  const HMODULE Module = LoadLibraryOfManifest();
  TCommonControls Calls{};
  decltype(&::InitCommonControlsEx) Init = nullptr;
  const bool Complete = Find(Module, "InitCommonControlsEx", Init) &&
                        Find(Module, "ImageList_Create", Calls.ImageList_Create) &&
                        Find(Module, "ImageList_Destroy", Calls.ImageList_Destroy) &&
                        Find(Module, "ImageList_SetBkColor", Calls.ImageList_SetBkColor) &&
                        Find(Module, "ImageList_GetImageCount", Calls.ImageList_GetImageCount) &&
                        Find(Module, "ImageList_Add", Calls.ImageList_Add) &&
                        Find(Module, "ImageList_AddMasked", Calls.ImageList_AddMasked) &&
                        Find(Module, "ImageList_Remove", Calls.ImageList_Remove) &&
                        Find(Module, "ImageList_Draw", Calls.ImageList_Draw) &&
                        Find(Module, "ImageList_GetIcon", Calls.ImageList_GetIcon);
  if (!Complete)
    throw Exception("Cannot load the common controls");
  INITCOMMONCONTROLSEX Classes{sizeof Classes, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  Init(&Classes);
  return Calls;
}

} // namespace

const TCommonControls& CommonControls() {
  static const TCommonControls Calls = Load();
  return Calls;
}
