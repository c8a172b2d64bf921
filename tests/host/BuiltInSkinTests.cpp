// The built-in skin as the build compiles it: its container, its counts, its vocabulary, and
// that every property its sources name is one the classes really have.

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <set>

#include "skin/SkinFilters.h"
#include "skin/SkinObjectStream.h"
#include "skin/SkinObjects.h"
#include "skin/SkinRegistry.h"
#include "skin/SkinSource.h"
#include "toolkit/PropertyText.h"
#include "toolkit/PropertyValues.h"
#include "toolkit/Published.h"

#ifndef MIREVAN_BUILTIN_SKIN
#define MIREVAN_BUILTIN_SKIN "skin/BuiltInSkin.bin"
#endif

namespace {

std::vector<uint8_t> StoredSkin() {
  std::ifstream File(MIREVAN_BUILTIN_SKIN, std::ios::binary);
  return {std::istreambuf_iterator<char>(File), std::istreambuf_iterator<char>()};
}

// The body, inflated.
TMemoryStream Body() {
  const std::vector<uint8_t> Stored = StoredSkin();
  TMemoryStream Compressed(std::vector<uint8_t>(Stored.begin() + 5, Stored.end()));
  return TMemoryStream(InflateSkinBody(Compressed));
}

int CountObjects(TSeSkinObject& Object) {
  int Count = 1;
  for (int I = 0; I < Object.ChildCount(); ++I)
    Count += CountObjects(*Object.GetChild(I));
  return Count;
}

// Every property of a binary object stream must be published by the object's class (or by
// the sub-object a dotted name leads to); children are checked the same way. Returns the
// unknown names found.
void CheckProperties(TStream& Stream, const TPersistent& Object, std::vector<std::string>& Unknown);

void CheckChildren(TStream& Stream, std::vector<std::string>& Unknown, bool& AllMarked) {
  const int32_t Raw = Stream.ReadInt32();
  AllMarked = AllMarked && (Raw & BinaryCountMark) == BinaryCountMark;
  for (int32_t I = 0; I < (Raw & 0xFFFF); ++I) {
    const std::string ClassName = ReadString(Stream);
    const int32_t Size = Stream.ReadInt32();
    TStreamWindow Record(Stream, Size);
    const TSkinObjectClass* Class = FindSkinObjectClass(ClassName);
    if (!Class) {
      Unknown.push_back(ClassName);
    } else {
      const auto Object = Class->Create(nullptr);
      CheckProperties(Record, *Object, Unknown);
    }
    Record.SkipToEnd();
  }
}

bool GAllMarked = true;

void CheckProperties(TStream& Stream, const TPersistent& Object,
                     std::vector<std::string>& Unknown) {
  TValueReader In(Stream);
  In.Bytes(4);
  In.ShortString();
  In.ShortString();
  for (std::string Name = In.ShortString(); !Name.empty(); Name = In.ShortString()) {
    const TPersistent* Owner = &Object;
    std::string_view Rest = Name;
    const TPropInfo* Info = nullptr;
    for (;;) {
      const size_t Dot = Rest.find('.');
      Info = Owner->Published() ? Owner->Published()->Find(Rest.substr(0, Dot)) : nullptr;
      if (!Info || Dot == std::string_view::npos)
        break;
      Owner = Info->Object ? Info->Object(*Owner) : nullptr;
      Rest = Rest.substr(Dot + 1);
      if (!Owner) {
        Info = nullptr;
        break;
      }
    }
    if (!Info) {
      Unknown.push_back(Object.ClassName() + "." + Name);
      In.SkipValue(In.Byte());
    } else if (Name == "Objects") {
      In.Byte();
      const int32_t Length = In.Int32();
      TStreamWindow Children(Stream, Length);
      CheckChildren(Children, Unknown, GAllMarked);
      Children.SkipToEnd();
    } else {
      In.SkipValue(In.Byte());
    }
  }
}

TEST(BuiltInSkin, IsStoredAsAByteTwoAndALevelOneZlibStream) {
  const std::vector<uint8_t> Stored = StoredSkin();
  ASSERT_GT(Stored.size(), 7u) << "missing " << MIREVAN_BUILTIN_SKIN;
  EXPECT_EQ(Stored[0], 2);
  EXPECT_EQ(std::string(Stored.begin() + 1, Stored.begin() + 5), "QZLZ");
  EXPECT_EQ(Stored[5], 0x78);
  EXPECT_EQ(Stored[6], 0x01);
}

TEST(BuiltInSkin, HasItsHeadersBitmapsAndRecordsInTheirForms) {
  TMemoryStream Stream = Body();
  std::vector<size_t> Lengths;
  for (int I = 0; I < 5; ++I)
    Lengths.push_back(ReadString(Stream).size());
  EXPECT_EQ(Lengths, (std::vector<size_t>{12, 5, 12, 20, 0}));
  const int32_t Bitmaps = Stream.ReadInt32();
  ASSERT_EQ(Bitmaps, 17);
  for (int I = 0; I < Bitmaps; ++I) {
    const std::string Name = ReadString(Stream);
    const int32_t W = Stream.ReadInt32(), H = Stream.ReadInt32();
    if (I == 0) {
      EXPECT_EQ(Name, "top");
      EXPECT_EQ(W, 184);
      EXPECT_EQ(H, 44);
    }
    Stream.Seek(int64_t{W} * H * 4, TSeekOrigin::soCurrent);
  }
  const int32_t Records = Stream.ReadInt32();
  ASSERT_EQ(Records, 18);
  std::vector<std::string> Unknown;
  GAllMarked = true;
  for (int I = 0; I < Records; ++I) {
    const std::string ClassName = ReadString(Stream);
    const std::string Text = ReadString(Stream);
    EXPECT_EQ(Text.substr(0, 7), "object ");
    TMemoryStream Binary;
    ObjectTextToBinary(Text, Binary);
    Binary.SetPosition(0);
    const TSkinObjectClass* Class = FindSkinObjectClass(ClassName);
    ASSERT_NE(Class, nullptr) << ClassName;
    CheckProperties(Binary, *Class->Create(nullptr), Unknown);
  }
  EXPECT_EQ(Stream.Remaining(), 0);
  EXPECT_TRUE(Unknown.empty()) << Unknown.front();
  EXPECT_TRUE(GAllMarked);
}

TEST(BuiltInSkin, ProvidesTheObjectVocabularyOfTheControls) {
  const std::vector<uint8_t> Stored = StoredSkin();
  TMemoryStream Stream(std::vector<uint8_t>(Stored.begin() + 1, Stored.end()));
  TSeSkinSource Skin;
  Skin.LoadFromStream(Stream);
  EXPECT_TRUE(Skin.SkippedClasses().empty());
  ASSERT_EQ(Skin.ObjectCount(), 18);
  int All = 0;
  std::vector<std::string> Names;
  for (int I = 0; I < Skin.ObjectCount(); ++I) {
    All += CountObjects(*Skin.GetObject(I));
    Names.push_back(Skin.GetObject(I)->Name());
    EXPECT_EQ(Skin.GetObject(I)->Align, saNone);
  }
  EXPECT_EQ(All, 91);
  EXPECT_EQ(Names, (std::vector<std::string>{
                       "Form", "MenuBar", "PopupMenu", "CheckBox", "RadioButton", "Button", "Tabs",
                       "ProgressBar", "Edit", "SpeedButton", "ComboBox", "ListBox", "ScrollBox",
                       "Header", "StatusBar", "ControlBar", "Toolbar", "SpinButton"}));
  for (const char* Missing : {"GroupBox", "Label", "ScrollBar", "TrackBar", "Hint"})
    EXPECT_EQ(Skin.FindObject(Missing), nullptr) << Missing;

  TSeSkinObject* Form = Skin.GetFormObject();
  ASSERT_NE(Form, nullptr);
  EXPECT_EQ(Form->Kind, skForm);
  EXPECT_EQ(Form->Width(), 300);
  EXPECT_EQ(Form->Height(), 250);
  for (const char* Part :
       {"Caption",        "CaptionLeft", "CaptionRight", "CaptionCenter", "SysButton0",
        "RollButton",     "MinButton",   "MaxButton",    "RestoreButton", "CloseButton",
        "RolldownButton", "Bottom",      "BottomLeft",   "BottomRight",   "BottomCenter",
        "Left",           "LeftTop",     "LeftBottom",   "LeftCenter",    "Right",
        "RightTop",       "RightBottom", "RightCenter",  "Client"})
    EXPECT_NE(Form->FindObject(Part), nullptr) << Part;
  EXPECT_FALSE(Form->FindObject("Client")->Masked); // the loader's fix-up
  EXPECT_EQ(Form->FindObjectByKind(skTitle)->Align, saText);
  EXPECT_EQ(Form->FindObjectByKind(skTitle)->Owner(), Form->FindObject("CaptionCenter"));
  // The frame's rows: a 22-high caption between 4- and 5-wide borders over a 5-high bottom.
  Form->SetBounds({0, 0, 400, 300});
  EXPECT_EQ(Form->FindObject("Caption")->BoundsRect(), (TRect{4, 0, 395, 22}));
  EXPECT_EQ(Form->FindObject("Left")->BoundsRect(), (TRect{0, 0, 4, 300}));
  EXPECT_EQ(Form->FindObject("Right")->BoundsRect(), (TRect{395, 0, 400, 300}));
  EXPECT_EQ(Form->FindObject("Bottom")->BoundsRect(), (TRect{4, 295, 395, 300}));
  EXPECT_EQ(Form->FindObject("Client")->BoundsRect(), (TRect{4, 22, 395, 295}));
  EXPECT_EQ(Form->FindObject("CloseButton")->BoundsRect(), (TRect{374, 4, 392, 19}));
  EXPECT_EQ(Form->FindObject("SysButton0")->Width(), 16);
  EXPECT_EQ(Form->FindObject("SysButton0")->Height(), 16);
  // What is under the pointer: caption parts, borders, the client.
  EXPECT_EQ(Form->ObjectAtPoint({200, 10})->Name(), "CaptionCenter");
  EXPECT_EQ(Form->ObjectAtPoint({380, 10})->Name(), "CloseButton");
  EXPECT_EQ(Form->ObjectAtPoint({6, 10})->Name(), "CaptionLeft");
  EXPECT_EQ(Form->ObjectAtPoint({1, 150})->Name(), "LeftCenter");
  EXPECT_EQ(Form->ObjectAtPoint({398, 150})->Name(), "RightCenter");
  EXPECT_EQ(Form->ObjectAtPoint({200, 297})->Name(), "BottomCenter");
  EXPECT_EQ(Form->ObjectAtPoint({200, 150})->Name(), "Client");
  EXPECT_EQ(Form->ObjectAtPoint({400, 150}), nullptr);
  auto* Close = dynamic_cast<TSeSystemButton*>(Form->FindObject("CloseButton"));
  ASSERT_NE(Close, nullptr);
  EXPECT_EQ(Close->Action, sbaClose);
  EXPECT_EQ(Close->ActiveBitmap->Rect.Left, 0);
  EXPECT_EQ(Close->BitmapPressed->Rect.Left, 18);
  EXPECT_EQ(Close->BitmapHot->Rect.Left, 36);
  EXPECT_EQ(Close->Bitmap->Rect.Left, 54);
  EXPECT_TRUE(Close->ActiveBitmap->IsValid());

  TSeSkinObject* Popup = Skin.FindObject("PopupMenu");
  TSeSkinObject* Frame = Popup->FindObject("Frame");
  EXPECT_EQ((TRect{Frame->MarginLeft, Frame->MarginTop, Frame->MarginRight, Frame->MarginBottom}),
            (TRect{2, 2, 3, 3}));
  EXPECT_NE(Popup->FindObject("Item"), nullptr);
  EXPECT_EQ(Popup->FindObject("Separator"), nullptr);
  EXPECT_NE(Skin.FindObject("ListBox")->FindObject("Frame"), nullptr);
  EXPECT_NE(Skin.FindObject("Header")->FindObject("Section"), nullptr);
  EXPECT_NE(Skin.FindObject("Tabs")->FindObject("TabBitmap"), nullptr);
  EXPECT_NE(Skin.FindObject("ProgressBar")->FindObject("FrameBitmap"), nullptr);
}

} // namespace
