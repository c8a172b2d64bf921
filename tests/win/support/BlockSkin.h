#pragma once
// Skins the tests make: one top-level object whose pictures are solid 4 x 4 blocks side by
// side in one bitmap, so that a control's pixels tell which picture it drew.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "gfx/Bitmap.h"
#include "skin/SkinEngine.h"
#include "skin/SkinObject.h"

// Replaces the engine's skin by Object, with the bitmap Name of Count blocks, block I in
// Color(I) (0x00RRGGBB), opaque.
inline void InstallBlockSkin(TSeSkinEngine& Engine, std::unique_ptr<TSeSkinObject> Object,
                             const std::string& Name, int Count,
                             const std::function<uint32_t(int Block)>& Color) {
  TSeSkinSource& Source = *Engine.Source();
  Source.Clear();
  auto Pictures = std::make_unique<TseBitmap>();
  Pictures->Name = Name;
  Pictures->SetSize(Count * 4, 4);
  for (int Y = 0; Y < 4; ++Y)
    for (int X = 0; X < Count * 4; ++X)
      *Pictures->PixelPtr(X, Y) = 0xFF000000u | Color(X / 4);
  Source.Bitmaps().Add(std::move(Pictures));
  Object->SetBitmaps(&Source.Bitmaps());
  Object->ResolveLinks();
  Source.AddObject(std::move(Object));
}
