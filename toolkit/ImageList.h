#pragma once
// A list of small pictures of one size, cut from bitmap strips, drawn by index: the images of
// tabs and buttons. Kept by the platform's image list, so a colour of a strip can be made
// see-through.

#include <windows.h>

#include <commctrl.h>
#include <string>

#include "toolkit/Classes.h"
#include "toolkit/Colors.h"
#include "toolkit/Graphics.h"

class TCustomImageList : public TComponent {
public:
  explicit TCustomImageList(TComponent* AOwner);
  ~TCustomImageList() override;
  TCustomImageList(const TCustomImageList&) = delete;
  TCustomImageList& operator=(const TCustomImageList&) = delete;
  std::string ClassName() const override { return "TCustomImageList"; }

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  // A new size empties the list: its images were cut for the old one.
  void SetWidth(int Value);
  void SetHeight(int Value);
  int Count() const;

  // Cuts Strip into Width-wide images, left to right, and adds them; a strip narrower than
  // one image adds nothing. Pixels of MaskColor are left out when the images are drawn
  // (clNone: every pixel is drawn). Returns the index of the first image added, or -1.
  int Add(const TBitmap& Strip, TColor MaskColor = clNone);
  void Clear();
  // Image Index with its top-left corner at (X, Y); nothing for an index outside the list.
  // A disabled image is drawn embossed in the system's disabled look.
  void Draw(TCanvas& Canvas, int X, int Y, int Index, bool Enabled = true) const;
  // Image Index drawn over Background into Image, made the list's size; Image is left as it
  // is for an index outside the list.
  void GetBitmap(int Index, TBitmap& Image, TColor Background) const;

  HIMAGELIST Handle() const { return FHandle; }
  // After images were added or removed, or the size changed.
  TNotifyEvent OnChange;

private:
  void Recreate();
  void Changed();

  int FWidth = 16;
  int FHeight = 16;
  HIMAGELIST FHandle = nullptr;
};

class TImageList : public TCustomImageList {
public:
  using TCustomImageList::TCustomImageList;
  std::string ClassName() const override { return "TImageList"; }
};
