#pragma once
// The kinds of skin objects that the built-in skin is made of: state-aware colours and
// fonts, bitmap objects (tiled, stretched, centred or nine-slice), caption buttons and
// per-state buttons and texts.

#include <memory>

#include "skin/CaptionButton.h"
#include "skin/SkinObject.h"

using TseBitmapLinkPtr = std::unique_ptr<TseBitmapLink>;

// Colour and font of the object while its window is active or the item is hot, pressed or
// focused.
class TSeActiveObject : public TSeSkinObject {
public:
  using TSeSkinObject::TSeSkinObject;
  SE_SKIN_OBJECT_CLASS(TSeActiveObject)
#ifdef _WIN32
  void Draw(TCanvas& Canvas) override;
#endif
  TFont& GetFont() override;
  void ChangeHue(int32_t Delta) override;
  void SetCharset(TFontCharset Value) override;

  TColor ActiveColor = 0xFFFFFF;
  TFont ActiveFont;
};

class TSeBitmapObject : public TSeSkinObject {
public:
  explicit TSeBitmapObject(TComponent* AOwner);
  SE_SKIN_OBJECT_CLASS(TSeBitmapObject)
#ifdef _WIN32
  void Draw(TCanvas& Canvas) override;
  TRegionHandle CreateRegion() override;
#endif
  void ResolveLinks() override;

  TseBitmapLinkPtr Bitmap;
  TscTileStyle BorderTileStyle = tsTile;
  bool MaskedBorder = true;
  bool MaskedAngles = true;
  TscTileStyle TileStyle = tsTile;
};

class TSeActiveBitmap : public TSeBitmapObject {
public:
  explicit TSeActiveBitmap(TComponent* AOwner);
  SE_SKIN_OBJECT_CLASS(TSeActiveBitmap)
#ifdef _WIN32
  void Draw(TCanvas& Canvas) override;
#endif
  TFont& GetFont() override;
  void ResolveLinks() override;
  void SetCharset(TFontCharset Value) override;

  TseBitmapLinkPtr ActiveBitmap;
  TFont ActiveFont;
};

// A caption button of the skinned frame.
class TSeSystemButton : public TSeCaptionButton<TSeActiveBitmap> {
public:
  explicit TSeSystemButton(TComponent* AOwner);
  SE_SKIN_OBJECT_CLASS(TSeSystemButton)
#ifdef _WIN32
  void Draw(TCanvas& Canvas) override;
#endif
  void ResolveLinks() override;

  TseBitmapLinkPtr BitmapHot;
  TseBitmapLinkPtr BitmapPressed;
};

class TSeButtonObject : public TSeBitmapObject {
public:
  explicit TSeButtonObject(TComponent* AOwner);
  SE_SKIN_OBJECT_CLASS(TSeButtonObject)
#ifdef _WIN32
  void Draw(TCanvas& Canvas) override;
#endif
  void ResolveLinks() override;

  TseBitmapLinkPtr BitmapHot;
  TseBitmapLinkPtr BitmapFocused;
  TseBitmapLinkPtr BitmapPressed;
  TseBitmapLinkPtr BitmapDisabled;
};

class TSeTextObject : public TSeSkinObject {
public:
  using TSeSkinObject::TSeSkinObject;
  SE_SKIN_OBJECT_CLASS(TSeTextObject)
#ifdef _WIN32
  void Draw(TCanvas& Canvas) override;
#endif
  // The font of the state: hot, pressed, focused, disabled, else Font.
  TFont& GetFont() override;
  void ChangeHue(int32_t Delta) override;
  void SetCharset(TFontCharset Value) override;

  TFont FontHot;
  TFont FontFocused;
  TFont FontPressed;
  TFont FontDisabled;
};

// Assign helper: copies Source's link into Dest's (both exist).
inline void AssignLink(TseBitmapLinkPtr& Dest, const TseBitmapLinkPtr& Source) {
  Dest->Assign(*Source);
}
