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

protected:
  // The links' masks leave out the margins' parts.
  TRect LinkMargins() const { return Margins(); }
};

// The pictures of the hot, focused, pressed and disabled states over a bitmap kind Base:
// drawn in the usual picture's place while the object is in that state, where they are
// usable, and bound as Base binds its own.
template <class Base> class TSeStateBitmaps : public Base {
public:
  explicit TSeStateBitmaps(TComponent* AOwner)
      : Base(AOwner), BitmapHot(std::make_unique<TseBitmapLink>()),
        BitmapFocused(std::make_unique<TseBitmapLink>()),
        BitmapPressed(std::make_unique<TseBitmapLink>()),
        BitmapDisabled(std::make_unique<TseBitmapLink>()) {}
#ifdef _WIN32
  void Draw(TCanvas& Canvas) override;
#endif
  void ResolveLinks() override {
    Base::ResolveLinks();
    for (TseBitmapLinkPtr* Link : {&BitmapHot, &BitmapFocused, &BitmapPressed, &BitmapDisabled})
      this->ResolveLink(*Link, this->LinkMargins());
  }

  TseBitmapLinkPtr BitmapHot;
  TseBitmapLinkPtr BitmapFocused;
  TseBitmapLinkPtr BitmapPressed;
  TseBitmapLinkPtr BitmapDisabled;
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

// A button of four pictures besides the usual one, each kind naming them in its table.
class TSeButtonObject : public TSeStateBitmaps<TSeBitmapObject> {
public:
  using TSeStateBitmaps::TSeStateBitmaps;
  SE_SKIN_OBJECT_CLASS(TSeButtonObject)
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

