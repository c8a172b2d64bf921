#pragma once
// The toolkit font as plain data (name, height, colour, style, character set), stored with
// its owner's published properties; the Windows build makes its GDI font when first asked.

#include <cstdint>
#include <memory>
#include <string>

#include "toolkit/Classes.h"
#include "toolkit/Colors.h"

#ifdef _WIN32
#include <windows.h>
#endif

enum TFontStyle : uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

// Character sets by their platform numbers; 1 is the platform's default.
using TFontCharset = uint8_t;
constexpr TFontCharset DefaultCharset = 1;

class TPropTable;

class TFont : public TPersistent {
public:
  TFont();
  TFont(const TFont& Source) : TPersistent() { Assign(Source); }
  TFont& operator=(const TFont& Source) {
    Assign(Source);
    return *this;
  }
  std::string ClassName() const override { return "TFont"; }
  void Assign(const TPersistent& Source) override;
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }

  const std::string& Name() const { return FName; }
  void SetName(const std::string& Value);
  // Pixels; negative for the height of the characters without the internal leading.
  int32_t Height() const { return FHeight; }
  void SetHeight(int32_t Value);
  // Points, through the screen's resolution.
  int Size() const;
  void SetSize(int Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { FColor = Value; }
  uint8_t Style() const { return FStyle; }
  void SetStyle(uint8_t Value);
  TFontCharset Charset() const { return FCharset; }
  void SetCharset(TFontCharset Value);

  bool operator==(const TFont& Other) const {
    return FName == Other.FName && FHeight == Other.FHeight && FColor == Other.FColor &&
           FStyle == Other.FStyle && FCharset == Other.FCharset;
  }

#ifdef _WIN32
  HFONT Handle() const;
#endif

private:
  void Changed() { FHandle.reset(); }

  std::string FName = "MS Sans Serif";
  int32_t FHeight = 0; // 8 points at the screen's resolution (the constructor says so)
  TColor FColor = clWindowText;
  uint8_t FStyle = 0;
  TFontCharset FCharset = DefaultCharset;
  mutable std::shared_ptr<void> FHandle; // the platform font, made when first asked for
};

// Screen pixels per logical inch, for points to pixels (96 where there is no screen).
int ScreenPixelsPerInch();
