// Skin objects: copies, tree lookups, bitmap binding, states, fonts, hue and charsets.

#include <gtest/gtest.h>

#include "gfx/Pixels.h"
#include "skin/SkinKinds.h"
#include "skin/SkinObjectStream.h"
#include "skin/SkinRegistry.h"
#include "toolkit/PropertyStream.h"
#include "toolkit/Published.h"

namespace {

template <class T> T* AddChild(TSeSkinObject& Parent, const std::string& Name) {
  auto Child = std::make_unique<T>(&Parent);
  Child->SetName(Name);
  T* Result = Child.get();
  Parent.InsertComponent(std::move(Child));
  return Result;
}

// A tree: Root > (Frame > Face), Text.
struct TTree {
  TTree() : Root(nullptr) {
    Root.SetName("Root");
    Root.Kind = skForm;
    Frame = AddChild<TSeBitmapObject>(Root, "Frame");
    Frame->Kind = skCaption;
    Face = AddChild<TSeTextObject>(*Frame, "Face");
    Face->Kind = skClient;
    Text = AddChild<TSeActiveObject>(Root, "Text");
    Text->Kind = skClient;
  }
  TSeSkinObject Root;
  TSeBitmapObject* Frame;
  TSeTextObject* Face;
  TSeActiveObject* Text;
};

std::unique_ptr<TseBitmap> Filled(const std::string& Name, int W, int H, TsePixel Pixel) {
  auto Bitmap = std::make_unique<TseBitmap>();
  Bitmap->Name = Name;
  Bitmap->SetSize(W, H);
  Bitmap->Clear(Pixel);
  return Bitmap;
}

TEST(SkinObjectTree, LookupsWalkDepthFirstFromTheObjectItself) {
  TTree Tree;
  EXPECT_EQ(Tree.Root.FindObject("ROOT"), &Tree.Root);
  EXPECT_EQ(Tree.Root.FindObject("FACE"), Tree.Face);
  EXPECT_EQ(Tree.Root.FindObject("nothing"), nullptr);
  EXPECT_EQ(Tree.Root.FindObjectByKind(skClient), Tree.Face); // before Text, which is later
  EXPECT_EQ(Tree.Frame->FindObjectByKind(skForm), nullptr);
  EXPECT_EQ(Tree.Root.ChildCount(), 2);
  EXPECT_EQ(Tree.Root.GetChild(1), Tree.Text);
  EXPECT_EQ(Tree.Root.GetChild(2), nullptr);
  EXPECT_EQ(Tree.Root.GetChild(-1), nullptr);
}

TEST(SkinObjectTree, ACloneIsDeepAndLeavesTheRuntimeStateBehind) {
  TTree Tree;
  Tree.Root.SetBounds({1, 2, 101, 52});
  Tree.Root.Visible = false;
  Tree.Root.Enabled = false;
  Tree.Root.Text = L"caption";
  Tree.Root.SetState(osHot);
  Tree.Root.SetActive(true);
  Tree.Root.MarginTop = 4;
  Tree.Frame->Bitmap->Name = "frame";
  Tree.Frame->Bitmap->Rect = {1, 1, 5, 5};
  Tree.Face->FontHot.SetColor(0x0000FF);

  auto Copy = CloneSkinObject(Tree.Root, nullptr);
  ASSERT_NE(Copy, nullptr);
  EXPECT_EQ(ComponentToText(*Copy), ComponentToText(Tree.Root));
  EXPECT_TRUE(Copy->Visible);
  EXPECT_TRUE(Copy->Enabled);
  EXPECT_TRUE(Copy->Text.empty());
  EXPECT_EQ(Copy->State(), osNormal);
  EXPECT_FALSE(Copy->Active());
  EXPECT_EQ(Copy->BoundsRect(), (TRect{1, 2, 101, 52}));
  EXPECT_EQ(Copy->OldWidth(), 0); // copied without a layout
  auto* Frame = dynamic_cast<TSeBitmapObject*>(Copy->FindObject("Frame"));
  ASSERT_NE(Frame, nullptr);
  EXPECT_NE(Frame, Tree.Frame);
  EXPECT_NE(Frame->Bitmap.get(), Tree.Frame->Bitmap.get()); // references are copied, not shared
  EXPECT_EQ(Frame->Bitmap->Rect, (TRect{1, 1, 5, 5}));
  EXPECT_EQ(Frame->Owner(), Copy.get());
  EXPECT_EQ(dynamic_cast<TSeTextObject*>(Copy->FindObject("Face"))->FontHot.Color(), 0x0000FF);

  // Assigning again replaces the children rather than adding to them.
  Copy->Assign(Tree.Root);
  EXPECT_EQ(Copy->ChildCount(), 2);
}

// Every stored value of Object (its sub-objects' too) set away from its default; Seed
// varies the values between objects.
void FillPublished(TPersistent& Object, int Seed) {
  for (const TPropInfo* Info : Object.Published()->Properties()) {
    if (!Info->Stored)
      continue;
    switch (Info->Kind) {
    case TPropKind::pkObject:
      if (TPersistent* Sub = Info->Object(Object); Sub && Sub->Published())
        FillPublished(*Sub, Seed + 1);
      break;
    case TPropKind::pkString:
      Info->SetString(Object, "v" + std::to_string(Seed));
      break;
    case TPropKind::pkBoolean:
      Info->SetOrd(Object, Info->GetOrd(Object) ? 0 : 1);
      break;
    case TPropKind::pkEnum:
    case TPropKind::pkSet:
      Info->SetOrd(Object, static_cast<int64_t>(Info->Names.size()) - 1);
      break;
    case TPropKind::pkColor:
      Info->SetOrd(Object, 0x102030 + Seed);
      break;
    case TPropKind::pkCharset:
      Info->SetOrd(Object, 204);
      break;
    case TPropKind::pkInteger:
      Info->SetOrd(Object, 3 + Seed);
      break;
    default: // children and bytes have tests of their own
      break;
    }
  }
}

TEST(SkinObjectTree, AssignCopiesWhatBothKindsPublish) {
  // Each kind from a filled object of its own kind: every stored value arrives.
  for (const TSkinObjectClass& Class : SkinObjectClasses()) {
    const auto Source = Class.Create(nullptr);
    Source->SetName("Source");
    FillPublished(*Source, 1);
    const auto Copy = Class.Create(nullptr);
    Copy->Assign(*Source);
    EXPECT_EQ(ComponentToText(*Copy), ComponentToText(*Source)) << Class.Name;
  }
  // Across kinds only what the source's kind has too: a plain bitmap gives a button its
  // bitmap and leaves the state pictures; a button gives a plain bitmap only its own.
  TSeBitmapObject Plain(nullptr);
  FillPublished(Plain, 1);
  TSeButtonObject Button(nullptr);
  Button.BitmapHot->Name = "hot";
  Button.Assign(Plain);
  EXPECT_EQ(Button.Bitmap->Name, Plain.Bitmap->Name);
  EXPECT_EQ(Button.TileStyle, Plain.TileStyle);
  EXPECT_EQ(Button.BitmapHot->Name, "hot");
  TSeBitmapObject Back(nullptr);
  FillPublished(Button, 5);
  Back.Assign(Button);
  EXPECT_EQ(Back.Bitmap->Name, Button.Bitmap->Name);
  EXPECT_EQ(Back.MarginLeft, Button.MarginLeft);
  // Siblings share only the common base: a text object's fonts do not reach an active one.
  TSeTextObject Text(nullptr);
  FillPublished(Text, 2);
  TSeActiveObject Active(nullptr);
  const TColor ActiveColour = Active.ActiveColor;
  Active.Assign(Text);
  EXPECT_EQ(Active.Font.Color(), Text.Font.Color());
  EXPECT_EQ(Active.ActiveColor, ActiveColour);
}

TEST(SkinObjectTree, OnlyRegisteredClassesCanBeCloned) {
  class TUnregistered : public TSeSkinObject {
  public:
    using TSeSkinObject::TSeSkinObject;
    std::string ClassName() const override { return "TSeUnregistered"; }
  };
  TUnregistered Object(nullptr);
  EXPECT_EQ(CloneSkinObject(Object, nullptr), nullptr);
  ASSERT_EQ(SkinObjectClasses().size(), 17u);
  EXPECT_EQ(SkinObjectClasses().front().Name, "TSeSkinObject");
  EXPECT_EQ(SkinObjectClasses()[6].Name, "TSeTextObject");
  EXPECT_EQ(SkinObjectClasses()[7].Name, "TSeLinkSkinObject");
  EXPECT_EQ(SkinObjectClasses().back().Name, "TSeRollPanelObject");
  for (const TSkinObjectClass& Class : SkinObjectClasses())
    EXPECT_EQ(Class.Create(nullptr)->ClassName(), Class.Name);
  EXPECT_EQ(FindSkinObjectClass("tsebuttonobject")->Name, "TSeButtonObject");
}

TEST(SkinObjectBitmaps, LinksBindToTheLastBitmapOfTheirNameWithTheirMargins) {
  TseBitmapList Bitmaps;
  Bitmaps.Add(Filled("art", 10, 10, 0xFF000000));
  TseBitmap* Second = Bitmaps.Add(Filled("ART", 10, 10, 0xFF000000));
  *Second->PixelPtr(0, 0) = KeyColor; // a hole in the top-left corner only
  TTree Tree;
  Tree.Frame->MarginLeft = Tree.Frame->MarginTop = Tree.Frame->MarginRight =
      Tree.Frame->MarginBottom = 2;
  Tree.Frame->Bitmap->Name = "Art";
  Tree.Frame->Bitmap->Rect = {0, 0, 10, 10};
  auto* Plain = AddChild<TSeBitmapSkinObject>(Tree.Root, "Plain");
  Plain->MarginLeft = 2;
  Plain->Bitmap->Name = "art";
  Plain->Bitmap->Rect = {0, 0, 10, 10};
  auto* Lost = AddChild<TSeBitmapSkinObject>(Tree.Root, "Lost");
  Lost->Bitmap->Name = "missing";
  Lost->Bitmap->Rect = {0, 0, 4, 4};

  Tree.Root.SetBitmaps(&Bitmaps);
  Tree.Root.ResolveLinks();
  EXPECT_EQ(Tree.Face->Bitmaps(), &Bitmaps);
  EXPECT_EQ(Tree.Frame->Bitmap->Image, Second);
  EXPECT_TRUE(Tree.Frame->Bitmap->IsValid());
  // With margins the hole is in a corner; without them it masks the whole picture.
  EXPECT_TRUE(Tree.Frame->Bitmap->MaskedAngles);
  EXPECT_FALSE(Tree.Frame->Bitmap->Masked);
  EXPECT_TRUE(Plain->Bitmap->Masked);
  EXPECT_FALSE(Plain->Bitmap->MaskedAngles);
  // A name the skin lacks leaves a reference that never draws.
  EXPECT_EQ(Lost->Bitmap->Name, "missing");
  EXPECT_FALSE(Lost->Bitmap->IsValid());
}

TEST(SkinObjectStates, StatesSpreadThroughTheTreeAndChooseFonts) {
  TTree Tree;
  Tree.Root.SetState(osPressed);
  EXPECT_EQ(Tree.Face->State(), osPressed);
  EXPECT_EQ(&Tree.Face->GetFont(), &Tree.Face->FontPressed);
  EXPECT_EQ(&Tree.Text->GetFont(), &Tree.Text->ActiveFont);
  for (auto [State, Font] : {std::pair{osHot, &Tree.Face->FontHot},
                             {osFocused, &Tree.Face->FontFocused},
                             {osDisabled, &Tree.Face->FontDisabled},
                             {osNormal, &Tree.Face->Font},
                             {osMaximized, &Tree.Face->Font}}) {
    Tree.Face->SetState(State);
    EXPECT_EQ(&Tree.Face->GetFont(), Font) << int(State);
  }
  TSeActiveBitmap Bitmap(nullptr);
  Bitmap.SetState(osPressed);
  EXPECT_EQ(&Bitmap.GetFont(), &Bitmap.Font); // only hot and focused
  Bitmap.SetState(osFocused);
  EXPECT_EQ(&Bitmap.GetFont(), &Bitmap.ActiveFont);
  Tree.Text->SetState(osDisabled);
  EXPECT_EQ(&Tree.Text->GetFont(), &Tree.Text->Font);
}

TEST(SkinObjectStates, ActiveStopsAtAnObjectThatHasItAlready) {
  TTree Tree;
  Tree.Frame->SetActive(true);
  Tree.Face->SetActive(false); // Frame is active, Face is not
  Tree.Root.SetActive(true);
  EXPECT_TRUE(Tree.Text->Active());
  EXPECT_FALSE(Tree.Face->Active()); // Frame had the value: its subtree was not visited
  Tree.Root.SetActive(false);
  EXPECT_FALSE(Tree.Frame->Active());
}

TEST(SkinObjectStates, WithoutAFormCaptionButtonsKeepTheirVisibility) {
  TSeSystemButton Button(nullptr);
  EXPECT_EQ(Button.Kind, skSysButton);
  Button.Action = sbaMaximize;
  Button.SetState(osMaximized);
  EXPECT_TRUE(Button.Visible);
  TSeSysButtonSkinObject Other(nullptr);
  EXPECT_EQ(Other.Kind, skSysButton);
  Other.Action = sbaRestore;
  Other.SetState(osNormal);
  EXPECT_TRUE(Other.Visible);
}

TEST(SkinObjectHue, ColoursShiftUnlessTheyAreNoneAndStateColoursStay) {
  TTree Tree;
  Tree.Root.Color = 0x2040C0;
  Tree.Frame->Color = clNone;
  Tree.Text->ActiveColor = clNone;
  Tree.Text->ActiveFont.SetColor(0x00FF00);
  Tree.Face->FontDisabled.SetColor(0x0000FF);
  Tree.Root.Font.SetColor(clWindowText);
  Tree.Root.ChangeHue(30);
  EXPECT_EQ(Tree.Root.Color, PixelToColor(ChangePixelHue(ColorToPixel(0x2040C0), 30)));
  EXPECT_NE(Tree.Root.Color, 0x2040C0);
  // A system colour becomes a fixed one.
  EXPECT_EQ(Tree.Root.Font.Color(), PixelToColor(ChangePixelHue(ColorToPixel(clWindowText), 30)));
  EXPECT_EQ(Tree.Frame->Color, clNone);
  EXPECT_EQ(Tree.Text->ActiveColor, clNone);
  EXPECT_EQ(Tree.Text->ActiveFont.Color(), PixelToColor(ChangePixelHue(0xFF00FF00, 30)));
  EXPECT_EQ(Tree.Face->FontDisabled.Color(), PixelToColor(ChangePixelHue(0xFFFF0000, 30)));

  TSeColorButtonObject Colours(nullptr);
  Colours.HotColor = 0x123456;
  Colours.HotFont.SetColor(0x654321);
  Colours.ChangeHue(30);
  EXPECT_EQ(Colours.HotColor, 0x123456);
  EXPECT_EQ(Colours.HotFont.Color(), 0x654321);
}

TEST(SkinObjectCharsets, ReadingSetsEveryFontToTheDefaultCharset) {
  TTree Tree;
  Tree.Face->Font.SetCharset(204);
  Tree.Face->FontHot.SetCharset(204);
  Tree.Text->ActiveFont.SetCharset(238);
  TMemoryStream Record;
  WriteSkinObjectBinary(Record, Tree.Root);
  Record.SetPosition(0);
  auto Copy = ReadSkinObjectBinary(Record, nullptr);
  ASSERT_NE(Copy, nullptr);
  auto* Face = dynamic_cast<TSeTextObject*>(Copy->FindObject("Face"));
  auto* Text = dynamic_cast<TSeActiveObject*>(Copy->FindObject("Text"));
  EXPECT_EQ(Face->Font.Charset(), DefaultCharset);
  EXPECT_EQ(Face->FontHot.Charset(), DefaultCharset);
  EXPECT_EQ(Text->ActiveFont.Charset(), DefaultCharset);
}

} // namespace

namespace {

TEST(SkinObjectTree, ObjectAtPointFindsTheTopmostVisibleLeaf) {
  // A frame: caption band, left border, client, and a see-through overlay on the client.
  TSeSkinObject Form(nullptr);
  const auto Child = [](TSeSkinObject& Parent, TSeAlign Align, TRect Size, TSeKind Kind) {
    auto Object = std::make_unique<TSeSkinObject>(&Parent);
    Object->Align = Align;
    Object->Kind = Kind;
    Object->SetBounds(Size);
    TSeSkinObject* Result = Object.get();
    Parent.InsertComponent(std::move(Object));
    return Result;
  };
  TSeSkinObject* Caption = Child(Form, saMostTop, {0, 0, 0, 20}, skCaption);
  TSeSkinObject* Left = Child(Form, saMostLeft, {0, 0, 4, 0}, skLeft);
  TSeSkinObject* Client = Child(Form, saClient, {}, skClient);
  TSeSkinObject* Overlay = Child(Form, saNone, {50, 50, 60, 60}, skTranparent);
  Form.SetBounds({0, 0, 100, 80});
  EXPECT_EQ(Form.ObjectAtPoint({5, 5}), Caption);
  EXPECT_EQ(Form.ObjectAtPoint({2, 40}), Left);
  EXPECT_EQ(Form.ObjectAtPoint({30, 40}), Client);
  EXPECT_EQ(Form.ObjectAtPoint({55, 55}), Client); // the overlay is see-through
  EXPECT_EQ(Form.ObjectAtPoint({100, 40}), nullptr);
  EXPECT_EQ(Form.ObjectAtPoint({-1, 0}), nullptr);
  Caption->Visible = false;
  EXPECT_EQ(Form.ObjectAtPoint({5, 5}), &Form); // no child there: the parent itself
  Form.Visible = false;
  EXPECT_EQ(Form.ObjectAtPoint({30, 40}), nullptr);
  EXPECT_EQ(Overlay->ObjectAtPoint({55, 55}), nullptr);
}

} // namespace
