// Objects to and from the property stream through their published properties: the exact
// text and binary forms, and what reading does with values it meets.

#include <algorithm>
#include <gtest/gtest.h>

#include "skin/SkinKinds.h"
#include "skin/SkinObjectStream.h"
#include "toolkit/IdentNames.h"
#include "toolkit/PropertyStream.h"
#include "toolkit/PropertyText.h"
#include "toolkit/PropertyValues.h"
#include "toolkit/Published.h"

namespace {

// The lines every plain skin object writes after Kind, with their default values.
const std::string DefaultTail = "  MarginLeft = 0\r\n"
                                "  MarginRight = 0\r\n"
                                "  MarginTop = 0\r\n"
                                "  MarginBottom = 0\r\n"
                                "  TextAlign = taLeft\r\n"
                                "  TextEffect = teNone\r\n"
                                "  TextMarginLeft = 0\r\n"
                                "  TextMarginRight = 0\r\n"
                                "  TextMarginTop = 0\r\n";

std::vector<uint8_t> Binary(const TComponent& Component) {
  TMemoryStream Stream;
  WriteComponentBinary(Stream, Component);
  return Stream.Bytes();
}

bool Contains(const std::vector<uint8_t>& Bytes, const std::vector<uint8_t>& Part) {
  return std::search(Bytes.begin(), Bytes.end(), Part.begin(), Part.end()) != Bytes.end();
}

std::vector<uint8_t> Named(const std::string& Name, std::vector<uint8_t> Value) {
  std::vector<uint8_t> Bytes{static_cast<uint8_t>(Name.size())};
  Bytes.insert(Bytes.end(), Name.begin(), Name.end());
  Bytes.insert(Bytes.end(), Value.begin(), Value.end());
  return Bytes;
}

// A property stream by hand: signature, class, name, the given pairs, the two ends.
TMemoryStream Stream(const std::string& ClassName, const std::string& Name,
                     const std::vector<std::vector<uint8_t>>& Pairs) {
  std::vector<uint8_t> Bytes{'T', 'P', 'F', '0', static_cast<uint8_t>(ClassName.size())};
  Bytes.insert(Bytes.end(), ClassName.begin(), ClassName.end());
  Bytes.push_back(static_cast<uint8_t>(Name.size()));
  Bytes.insert(Bytes.end(), Name.begin(), Name.end());
  for (const auto& Pair : Pairs)
    Bytes.insert(Bytes.end(), Pair.begin(), Pair.end());
  Bytes.push_back(0);
  Bytes.push_back(0);
  return TMemoryStream(Bytes);
}

TEST(PropertyStream, TheTextFormOfASkinObjectIsExact) {
  TSeSkinObject Object(nullptr);
  Object.SetName("Frame");
  Object.Align = saClient;
  Object.Color = clNone;
  Object.Kind = skClient;
  Object.SetBounds({5, -3, 305, 69997});
  Object.TextMarginLeft = 2;
  Object.Font.SetHeight(-13);
  Object.Font.SetName("Tahoma");
  Object.Font.SetStyle(fsBold | fsItalic);
  Object.Font.SetColor(0x123456);
  Object.Font.SetCharset(204);
  EXPECT_EQ(ComponentToText(Object), "object Frame: TSeSkinObject\r\n"
                                     "  Align = saClient\r\n"
                                     "  Color = clNone\r\n"
                                     "  DrawIfOwner = False\r\n"
                                     "  Font.Charset = RUSSIAN_CHARSET\r\n"
                                     "  Font.Color = 1193046\r\n"
                                     "  Font.Height = -13\r\n"
                                     "  Font.Name = 'Tahoma'\r\n"
                                     "  Font.Style = [fsBold, fsItalic]\r\n"
                                     "  Kind = skClient\r\n"
                                     "  Masked = True\r\n"
                                     "  Left = 5\r\n"
                                     "  Top = -3\r\n"
                                     "  Height = 70000\r\n"
                                     "  Width = 300\r\n"
                                     "  MarginLeft = 0\r\n"
                                     "  MarginRight = 0\r\n"
                                     "  MarginTop = 0\r\n"
                                     "  MarginBottom = 0\r\n"
                                     "  TextAlign = taLeft\r\n"
                                     "  TextEffect = teNone\r\n"
                                     "  TextMarginLeft = 2\r\n"
                                     "  TextMarginRight = 0\r\n"
                                     "  TextMarginTop = 0\r\n"
                                     "end\r\n");
}

TEST(PropertyStream, SubclassPropertiesComeBeforeTheChildrenAndLinksSkipAnEmptyName) {
  TSeSystemButton Button(nullptr);
  Button.SetName("Close");
  Button.Action = sbaClose;
  Button.Bitmap->Name = "frame";
  Button.Bitmap->Rect = {1, 2, 3, 4};
  const std::string Text = ComponentToText(Button);
  const std::string Expected = "  Kind = skSysButton\r\n"
                               "  Masked = True\r\n"
                               "  Left = 0\r\n"
                               "  Top = 0\r\n"
                               "  Height = 0\r\n"
                               "  Width = 0\r\n" +
                               DefaultTail +
                               "  Bitmap.Name = 'frame'\r\n"
                               "  Bitmap.Left = 1\r\n"
                               "  Bitmap.Top = 2\r\n"
                               "  Bitmap.Right = 3\r\n"
                               "  Bitmap.Bottom = 4\r\n"
                               "  BorderTileStyle = tsTile\r\n"
                               "  MaskedBorder = True\r\n"
                               "  MaskedAngles = True\r\n"
                               "  TileStyle = tsTile\r\n"
                               "  ActiveBitmap.Left = 0\r\n"
                               "  ActiveBitmap.Top = 0\r\n"
                               "  ActiveBitmap.Right = 0\r\n"
                               "  ActiveBitmap.Bottom = 0\r\n"
                               "  ActiveFont.Charset = DEFAULT_CHARSET\r\n"
                               "  ActiveFont.Color = clWindowText\r\n"
                               "  ActiveFont.Height = -11\r\n"
                               "  ActiveFont.Name = 'MS Sans Serif'\r\n"
                               "  ActiveFont.Style = []\r\n"
                               "  Action = sbaClose\r\n"
                               "  BitmapHot.Left = 0\r\n";
  EXPECT_NE(Text.find(Expected), std::string::npos) << Text;
  EXPECT_EQ(Text.find("Objects"), std::string::npos); // no children, no value
}

TEST(PropertyStream, ChildrenAreABinaryValueOfMarkedBinaryRecords) {
  TSeSkinObject Parent(nullptr);
  Parent.SetName("Parent");
  auto Child = std::make_unique<TSeSkinObject>(&Parent);
  Child->SetName("Inner");
  Parent.InsertComponent(std::move(Child));
  const std::string Text = ComponentToText(Parent);

  // "Objects = {", lines of 64 upper-case hexadecimal digits four spaces in, "}" right
  // after the last digit, and the object's end.
  const std::string Opening = "  TextMarginTop = 0\r\n  Objects = {\r\n";
  const size_t At = Text.find(Opening);
  ASSERT_NE(At, std::string::npos) << Text;
  std::string Hex;
  size_t Line = At + Opening.size();
  for (;;) {
    const size_t End = Text.find("\r\n", Line);
    ASSERT_NE(End, std::string::npos);
    std::string Content = Text.substr(Line, End - Line);
    ASSERT_EQ(Content.substr(0, 4), "    ");
    Content = Content.substr(4);
    const bool Last = !Content.empty() && Content.back() == '}';
    if (Last)
      Content.pop_back();
    EXPECT_EQ(Content.find_first_not_of("0123456789ABCDEF"), std::string::npos) << Content;
    Hex += Content;
    Line = End + 2;
    if (Last) {
      EXPECT_LE(Content.size(), 64u);
      break;
    }
    EXPECT_EQ(Content.size(), 64u);
  }
  EXPECT_EQ(Text.substr(Line), "end\r\n");

  std::vector<uint8_t> Bytes;
  for (size_t I = 0; I + 1 < Hex.size(); I += 2)
    Bytes.push_back(static_cast<uint8_t>(std::stoi(Hex.substr(I, 2), nullptr, 16)));
  TMemoryStream Value(Bytes);
  EXPECT_EQ(Value.ReadInt32(), 0xF0001);
  EXPECT_EQ(ReadString(Value), "TSeSkinObject");
  const int32_t Size = Value.ReadInt32();
  EXPECT_EQ(Size, Value.Remaining());
  EXPECT_EQ(ObjectBinaryToText(Value), "object Inner: TSeSkinObject\r\n"
                                       "  Align = saNone\r\n"
                                       "  Color = clWhite\r\n"
                                       "  DrawIfOwner = False\r\n"
                                       "  Font.Charset = DEFAULT_CHARSET\r\n"
                                       "  Font.Color = clWindowText\r\n"
                                       "  Font.Height = -11\r\n"
                                       "  Font.Name = 'MS Sans Serif'\r\n"
                                       "  Font.Style = []\r\n"
                                       "  Kind = skNone\r\n"
                                       "  Masked = True\r\n"
                                       "  Left = 0\r\n"
                                       "  Top = 0\r\n"
                                       "  Height = 0\r\n"
                                       "  Width = 0\r\n" +
                                           DefaultTail + "end\r\n");

  // And back: the tree is rebuilt from the text.
  TSeSkinObject Copy(nullptr);
  ComponentFromText(Text, Copy);
  ASSERT_EQ(Copy.ChildCount(), 1);
  EXPECT_EQ(Copy.GetChild(0)->Name(), "Inner");
  EXPECT_EQ(Copy.GetChild(0)->Owner(), &Copy);
}

TEST(PropertyStream, IntegersTakeTheSmallestTypeAndStringsTheirLength) {
  TSeSkinObject Object(nullptr);
  Object.MarginLeft = 100;
  Object.MarginTop = -129;
  Object.MarginRight = 70000;
  Object.MarginBottom = -32768;
  const std::vector<uint8_t> Bytes = Binary(Object);
  EXPECT_TRUE(Contains(Bytes, Named("MarginLeft", {vaInt8, 100})));
  EXPECT_TRUE(Contains(Bytes, Named("MarginTop", {vaInt16, 0x7F, 0xFF})));
  EXPECT_TRUE(Contains(Bytes, Named("MarginRight", {vaInt32, 0x70, 0x11, 0x01, 0x00})));
  EXPECT_TRUE(Contains(Bytes, Named("MarginBottom", {vaInt16, 0x00, 0x80})));
  EXPECT_TRUE(Contains(Bytes, Named("Color", {vaIdent, 7, 'c', 'l', 'W', 'h', 'i', 't', 'e'})));
  EXPECT_TRUE(Contains(Bytes, Named("Masked", {vaTrue})));
  EXPECT_TRUE(Contains(Bytes, Named("DrawIfOwner", {vaFalse})));
  EXPECT_TRUE(Contains(Bytes, Named("Font.Style", {vaSet, 0})));
  EXPECT_EQ(std::vector<uint8_t>(Bytes.end() - 2, Bytes.end()), (std::vector<uint8_t>{0, 0}));

  TSeLinkSkinObject Link(nullptr);
  Link.LinkControl = std::string(256, 'x');
  std::vector<uint8_t> Long = {vaLString, 0, 1, 0, 0};
  Long.insert(Long.end(), 256, 'x');
  EXPECT_TRUE(Contains(Binary(Link), Named("LinkControl", Long)));
  Link.LinkControl = std::string(255, 'y');
  std::vector<uint8_t> Short = {vaString, 255};
  Short.insert(Short.end(), 255, 'y');
  EXPECT_TRUE(Contains(Binary(Link), Named("LinkControl", Short)));
  Link.LinkControl.clear();
  EXPECT_FALSE(Contains(Binary(Link), Named("LinkControl", {})));
}

TEST(PropertyStream, ReadingSetsEveryKindOfValue) {
  TMemoryStream In = Stream(
      "TSeTextObject", "Label",
      {Named("Align", {vaIdent, 6, 's', 'a', 'T', 'E', 'X', 'T'}), // identifiers ignore case
       Named("Color", {vaInt32, 0x56, 0x34, 0x12, 0x00}),
       Named("Font.Charset", {vaInt16, 0xEE, 0x00}),
       Named("Font.Style", {vaSet, 8, 'f', 's', 'I', 't', 'a', 'l', 'i', 'c', 6, 'f', 's', 'B', 'o',
                            'l', 'd', 0}),
       Named("FontHot.Color", {vaIdent, 5, 'c', 'l', 'R', 'e', 'd'}),
       Named("FontHot.Name", {vaLString, 3, 0, 0, 0, 'A', 'b', 'c'}), Named("Masked", {vaFalse}),
       Named("Width", {vaInt8, 0x80}), Named("Left", {vaInt16, 0x10, 0x27})});
  TSeTextObject Object(nullptr);
  ReadComponentBinary(In, Object);
  EXPECT_EQ(Object.Name(), "Label");
  EXPECT_EQ(Object.Align, saText);
  EXPECT_EQ(Object.Color, 0x123456);
  EXPECT_EQ(Object.Font.Charset(), 238);
  EXPECT_EQ(Object.Font.Style(), fsBold | fsItalic);
  EXPECT_EQ(Object.FontHot.Color(), 0x0000FF);
  EXPECT_EQ(Object.FontHot.Name(), "Abc");
  EXPECT_FALSE(Object.Masked);
  EXPECT_EQ(Object.Width(), 0); // -128 clamps to nothing
  EXPECT_EQ(Object.Left(), 10000);
  EXPECT_EQ(In.Remaining(), 0);
}

TEST(PropertyStream, UnknownPropertiesArePassedOverAndWrongTypesRefused) {
  TMemoryStream In =
      Stream("TSeSkinObject", "A",
             {Named("Shiny", {vaSet, 1, 'x', 0}), Named("Font.Pitch", {vaIdent, 1, 'p'}),
              Named("Bitmap.Name", {vaString, 1, 'b'}),
              Named("Kind", {vaIdent, 6, 's', 'k', 'F', 'o', 'r', 'm'})});
  TSeSkinObject Object(nullptr);
  ReadComponentBinary(In, Object);
  EXPECT_EQ(Object.Kind, skForm);

  for (const auto& Pair :
       {Named("Kind", {vaInt8, 1}), Named("Kind", {vaIdent, 4, 's', 'k', 'N', 'o'}),
        Named("Masked", {vaInt8, 1}), Named("Left", {vaString, 1, '1'}),
        Named("Font.Style", {vaSet, 6, 'f', 's', 'W', 'i', 'd', 'e', 0}),
        Named("Font.Charset", {vaInt16, 0x00, 0x01}), Named("Font", {vaInt8, 1}),
        Named("Color", {vaIdent, 6, 'c', 'l', 'P', 'i', 'n', 'k'})}) {
    TMemoryStream Bad = Stream("TSeSkinObject", "B", {Pair});
    TSeSkinObject Target(nullptr);
    EXPECT_THROW(ReadComponentBinary(Bad, Target), EReadError)
        << std::string(Pair.begin() + 1, Pair.end());
  }
  TMemoryStream NotAStream(std::vector<uint8_t>{'T', 'P', 'F', '1', 0, 0, 0, 0});
  EXPECT_THROW(ReadComponentBinary(NotAStream, Object), EReadError);
}

// A component whose setter notes whether it ran while the component was being read.
class TLoadProbe : public TComponent {
public:
  using TComponent::TComponent;
  std::string ClassName() const override { return "TLoadProbe"; }
  static const TPropTable& Properties() {
    static const TPropTable Table(
        nullptr, {AccessorProp<TLoadProbe>("Size", TPropKind::pkInteger, &TLoadProbe::Size,
                                           &TLoadProbe::SetSize)});
    return Table;
  }
  const TPropTable* Published() const override { return &Properties(); }
  int32_t Size() const { return FSize; }
  void SetSize(int32_t Value) {
    FSize = Value;
    SetWhileLoading = Loading();
  }
  bool SetWhileLoading = false;

private:
  int32_t FSize = 0;
};

TEST(PropertyStream, SettersRunInTheLoadingStateWhichEndsAsItWasBefore) {
  TLoadProbe Probe(nullptr);
  ComponentFromText("object P: TLoadProbe\n  Size = 4\nend\n", Probe);
  EXPECT_EQ(Probe.Size(), 4);
  EXPECT_TRUE(Probe.SetWhileLoading);
  EXPECT_FALSE(Probe.Loading());
  // A component already loading (a form reading its whole layout) stays so until Loaded.
  Probe.SetLoading(true);
  ComponentFromText("object P: TLoadProbe\n  Size = 5\nend\n", Probe);
  EXPECT_TRUE(Probe.Loading());
  Probe.Loaded();
  EXPECT_FALSE(Probe.Loading());
  // A read that fails halfway leaves the state as it was, too.
  TMemoryStream Bad = Stream("TLoadProbe", "P", {Named("Size", {vaString, 1, '1'})});
  EXPECT_THROW(ReadComponentBinary(Bad, Probe), EReadError);
  EXPECT_FALSE(Probe.Loading());
}

// A component with a display value: read when a stream has it, never written.
class TVersioned : public TComponent {
public:
  using TComponent::TComponent;
  std::string ClassName() const override { return "TVersioned"; }
  static const TPropTable& Properties() {
    using V = TVersioned;
    static const TPropTable Table(nullptr,
                                  {FieldProp("Size", &V::Size),
                                   NotStoredProp(AccessorProp<V>("Version", TPropKind::pkString,
                                                                 &V::Version, &V::SetVersion)),
                                   FieldProp("Tag", &V::Tag)});
    return Table;
  }
  const TPropTable* Published() const override { return &Properties(); }
  std::string Version() const { return "3.4.0"; }
  void SetVersion(const std::string& Value) { Offered = Value; }
  int32_t Size = 0;
  int32_t Tag = 0;
  std::string Offered;
};

TEST(PropertyStream, APropertyNotStoredIsReadButNeverWritten) {
  TVersioned Object(nullptr);
  Object.Size = 3;
  Object.Tag = 9;
  const std::string Text = ComponentToText(Object);
  EXPECT_EQ(Text.find("Version ="), std::string::npos) << Text;
  EXPECT_NE(Text.find("Tag = 9"), std::string::npos) << Text;
  TVersioned Copy(nullptr);
  ComponentFromText("object V: TVersioned\n  Size = 4\n  Version = '1.0'\n  Tag = 2\nend\n", Copy);
  EXPECT_EQ(Copy.Size, 4);
  EXPECT_EQ(Copy.Offered, "1.0");
  EXPECT_EQ(Copy.Tag, 2);
}

TEST(PropertyStream, EveryColourAndCharsetNameMapsBothWays) {
  int Named = 0;
  for (int64_t Color : {0x000000LL, 0xFFFFFFLL, 0x800000LL, 0xC0DCC0LL, 0x80000005LL, 0x8000001ELL,
                        0x1FFFFFFFLL, 0x20000000LL}) {
    const char* Name = ColorToIdent(static_cast<TColor>(Color));
    ASSERT_NE(Name, nullptr) << Color;
    EXPECT_EQ(IdentToColor(Name), static_cast<TColor>(Color));
    ++Named;
  }
  EXPECT_EQ(ColorToIdent(0x123456), nullptr);
  EXPECT_EQ(IdentToColor("CLWINDOWTEXT"), clWindowText);
  EXPECT_FALSE(IdentToColor("clPink").has_value());
  for (int Charset = 0; Charset < 256; ++Charset) {
    if (const char* Name = CharsetToIdent(Charset)) {
      EXPECT_EQ(IdentToCharset(Name), Charset);
    }
  }
  EXPECT_STREQ(CharsetToIdent(1), "DEFAULT_CHARSET");
  EXPECT_EQ(CharsetToIdent(3), nullptr);
  EXPECT_EQ(Named, 8);
}

TEST(PropertyStream, FontsConvertBetweenPointsAndPixels) {
  TFont Font;
  EXPECT_EQ(Font.Height(), -11); // 8 points on a 96 pixels-per-inch screen
  EXPECT_EQ(Font.Size(), 8);
  Font.SetSize(12);
  EXPECT_EQ(Font.Height(), -16);
  Font.SetHeight(-13);
  EXPECT_EQ(Font.Size(), 10);
  TFont Copy;
  Copy.Assign(Font);
  EXPECT_TRUE(Copy == Font);
}

} // namespace

// ---------------------------------------------------------------------------------------
// Collections: items of one class written in order, each with its own properties.

namespace {

class TShelfItem : public TPersistent {
public:
  std::string ClassName() const override { return "TShelfItem"; }
  static const TPropTable& Properties() {
    static const TPropTable Table(nullptr, {FieldProp("Caption", &TShelfItem::Caption),
                                            FieldProp("Width", &TShelfItem::Width)});
    return Table;
  }
  const TPropTable* Published() const override { return &Properties(); }
  std::string Caption;
  int32_t Width = 50;
};

class TShelf : public TComponent {
public:
  using TComponent::TComponent;
  std::string ClassName() const override { return "TShelf"; }
  static const TPropTable& Properties() {
    using S = TShelf;
    static const TPropTable Table(
        nullptr, {FieldProp("Tag", &S::Tag),
                  CollectionProp<S, TShelfItem>("Items", &S::Count, &S::At, &S::Clear, &S::Add),
                  NotStoredProp(FieldProp("Version", &S::Version)), FieldProp("Last", &S::Last)});
    return Table;
  }
  const TPropTable* Published() const override { return &Properties(); }
  int Count() const { return static_cast<int>(Items.size()); }
  TShelfItem* At(int Index) const { return Items.at(static_cast<size_t>(Index)).get(); }
  void Clear() { Items.clear(); }
  TShelfItem* Add() { return Items.emplace_back(std::make_unique<TShelfItem>()).get(); }

  int32_t Tag = 0;
  std::vector<std::unique_ptr<TShelfItem>> Items;
  std::string Version = "3.4.0";
  bool Last = false;
};

const std::string ShelfText = "object Shelf: TShelf\r\n"
                              "  Tag = 7\r\n"
                              "  Items = <\r\n"
                              "    item\r\n"
                              "      Caption = 'Window Text'\r\n"
                              "      Width = 200\r\n"
                              "    end\r\n"
                              "    item\r\n"
                              "      Width = 80\r\n"
                              "    end>\r\n"
                              "  Last = True\r\n"
                              "end\r\n";

} // namespace

TEST(PropertyCollection, ItemsAreWrittenInOrderAndReadBackInTheirPlace) {
  TShelf Shelf(nullptr);
  Shelf.SetName("Shelf");
  Shelf.Tag = 7;
  Shelf.Last = true;
  Shelf.Add()->Caption = "Window Text";
  Shelf.At(0)->Width = 200;
  Shelf.Add()->Width = 80;
  // Version is a display value: never written.
  EXPECT_EQ(ComponentToText(Shelf), ShelfText);
  // Binary: type 14, each item a list (1) of properties ended by 0, the whole ended by 0.
  std::vector<uint8_t> Second = Named("Width", {vaInt8, 80});
  Second.insert(Second.begin(), vaList);
  Second.push_back(0);
  Second.push_back(0);
  EXPECT_TRUE(Contains(Binary(Shelf), Second));

  TShelf Copy(nullptr);
  Copy.Add()->Caption = "replaced by what is read";
  Copy.Version = "";
  ComponentFromText(ShelfText + "", Copy);
  ASSERT_EQ(Copy.Count(), 2);
  EXPECT_EQ(Copy.At(0)->Caption, "Window Text");
  EXPECT_EQ(Copy.At(0)->Width, 200);
  EXPECT_EQ(Copy.At(1)->Caption, "");
  EXPECT_EQ(Copy.At(1)->Width, 80);
  EXPECT_TRUE(Copy.Last); // what follows the collection is read too
  EXPECT_EQ(Copy.Tag, 7);
  EXPECT_EQ(Copy.Version, ""); // nothing stored, nothing read

  // An empty collection empties the items.
  ComponentFromText("object Shelf: TShelf\r\n  Items = <>\r\nend\r\n", Copy);
  EXPECT_EQ(Copy.Count(), 0);
}

TEST(PropertyCollection, OrderValuesUnknownItemPropertiesAndWrongTypes) {
  // An order value before an item is accepted; an unknown property of an item, even another
  // collection, is passed over.
  TMemoryStream WithOrder =
      Stream("TShelf", "S",
             {Named("Items", {vaCollection, vaInt8, 3, vaList}),
              Named("Nested", {vaCollection, vaList}), Named("Width", {vaInt8, 1, 0, 0}),
              Named("Width", {vaInt8, 9, 0, 0}), Named("Tag", {vaInt8, 5})});
  TShelf Shelf(nullptr);
  ReadComponentBinary(WithOrder, Shelf);
  ASSERT_EQ(Shelf.Count(), 1);
  EXPECT_EQ(Shelf.At(0)->Width, 9);
  EXPECT_EQ(Shelf.Tag, 5);
  // A collection under a name this class does not have is passed over whole.
  TMemoryStream Unknown =
      Stream("TShelf", "S",
             {Named("Rows", {vaCollection, vaList}), Named("Caption", {vaString, 1, 'x', 0, 0}),
              Named("Tag", {vaInt8, 6})});
  ReadComponentBinary(Unknown, Shelf);
  EXPECT_EQ(Shelf.Tag, 6);
  // Anything but a collection for a collection, or an item that is not a list, is refused.
  TMemoryStream NotACollection = Stream("TShelf", "S", {Named("Items", {vaInt8, 1})});
  EXPECT_THROW(ReadComponentBinary(NotACollection, Shelf), EReadError);
  TMemoryStream NotAList = Stream("TShelf", "S", {Named("Items", {vaCollection, vaInt8, 1, 5})});
  EXPECT_THROW(ReadComponentBinary(NotAList, Shelf), EReadError);
  // The text form refuses an item without its word.
  EXPECT_THROW(ComponentFromText("object S: TShelf\r\n  Items = <\r\n  Width = 1\r\n  end>\r\n"
                                 "end\r\n",
                                 Shelf),
               EParserError);
}

namespace {

class TLinked : public TComponent {
public:
  using TComponent::TComponent;
  std::string ClassName() const override { return "TLinked"; }
  static const TPropTable& Properties() {
    static const TPropTable Table(nullptr,
                                  {ReferenceProp(FieldProp("Engine", &TLinked::EngineName))});
    return Table;
  }
  const TPropTable* Published() const override { return &Properties(); }
  std::string EngineName;
};

} // namespace

TEST(PropertyReference, AnotherComponentIsNamedByAnIdentifier) {
  TLinked Linked(nullptr);
  Linked.SetName("L");
  EXPECT_EQ(ComponentToText(Linked), "object L: TLinked\r\nend\r\n"); // none: nothing written
  Linked.EngineName = "SeSkinEngine1";
  EXPECT_TRUE(Contains(Binary(Linked), Named("Engine", {vaIdent, 13})));
  const std::string Text = ComponentToText(Linked);
  EXPECT_EQ(Text, "object L: TLinked\r\n  Engine = SeSkinEngine1\r\nend\r\n");
  TLinked Copy(nullptr);
  ComponentFromText(Text, Copy);
  EXPECT_EQ(Copy.EngineName, "SeSkinEngine1");
  TMemoryStream Quoted = Stream("TLinked", "L", {Named("Engine", {vaString, 1, 'E'})});
  EXPECT_THROW(ReadComponentBinary(Quoted, Copy), EReadError);
}

namespace {

class TTarget : public TComponent {
public:
  using TComponent::TComponent;
  std::string ClassName() const override { return "TTarget"; }
};

// Keeps a pointer to another component, as the controls keep their engine or image list.
class TPointing : public TComponent {
public:
  using TComponent::TComponent;
  std::string ClassName() const override { return "TPointing"; }
  static const TPropTable& Properties() {
    using C = TPointing;
    static const TPropTable Table(nullptr,
                                  {ComponentProp<C, TTarget>("Target", &C::Target, &C::SetTarget)});
    return Table;
  }
  const TPropTable* Published() const override { return &Properties(); }
  TTarget* Target() const { return FTarget; }
  void SetTarget(TTarget* Value) {
    FTarget = Value;
    SetWhileLoading.push_back(Loading());
  }
  std::vector<bool> SetWhileLoading;

private:
  TTarget* FTarget = nullptr;
};

} // namespace

TEST(PropertyReference, ANameReadWhileLoadingResolvesAtLoadedAmongTheOwnersComponents) {
  TComponent Form(nullptr);
  auto* Pointing = MakeComponent<TPointing>(&Form);
  Pointing->SetName("P");
  // The stored layout names a component that is made after this one is read.
  Pointing->SetLoading(true);
  ComponentFromText("object P: TPointing\r\n  Target = LATER1\r\nend\r\n", *Pointing);
  EXPECT_EQ(nullptr, Pointing->Target());
  EXPECT_TRUE(Pointing->SetWhileLoading.empty());
  EXPECT_EQ("object P: TPointing\r\n  Target = LATER1\r\nend\r\n", ComponentToText(*Pointing));
  auto* Later = MakeComponent<TTarget>(&Form);
  Later->SetName("Later1");
  Pointing->Loaded();
  EXPECT_EQ(Later, Pointing->Target());
  EXPECT_EQ((std::vector<bool>{true}), Pointing->SetWhileLoading);
  EXPECT_FALSE(Pointing->Loading());
  EXPECT_EQ("object P: TPointing\r\n  Target = Later1\r\nend\r\n", ComponentToText(*Pointing));
  // Resolved once: a second Loaded does not set it again.
  Pointing->Loaded();
  EXPECT_EQ(1u, Pointing->SetWhileLoading.size());
}

TEST(PropertyReference, OutsideLoadingANameResolvesAtOnceAndOnlyToItsClass) {
  TComponent Form(nullptr);
  auto* Pointing = MakeComponent<TPointing>(&Form);
  auto* Target = MakeComponent<TTarget>(&Form);
  Target->SetName("Engine");
  auto* Other = MakeComponent<TPointing>(&Form);
  Other->SetName("NotATarget");
  const TPropInfo* Info = TPointing::Properties().Find("Target");
  ASSERT_NE(nullptr, Info);
  Info->SetString(*Pointing, "engine");
  EXPECT_EQ(Target, Pointing->Target());
  EXPECT_EQ((std::vector<bool>{false}), Pointing->SetWhileLoading);
  // A component of another class, an unknown name and no name all read as none.
  for (const char* Name : {"NotATarget", "Nobody", ""}) {
    Info->SetString(*Pointing, Name);
    EXPECT_EQ(nullptr, Pointing->Target()) << Name;
    EXPECT_EQ("", Info->GetString(*Pointing)) << Name;
  }
  // Without an owner there is nothing to look among.
  TPointing Alone(nullptr);
  Info->SetString(Alone, "Engine");
  EXPECT_EQ(nullptr, Alone.Target());
}

TEST(PropertyReference, ALaterNameForTheSamePropertyReplacesTheWaitingOne) {
  TComponent Form(nullptr);
  auto* Pointing = MakeComponent<TPointing>(&Form);
  auto* First = MakeComponent<TTarget>(&Form);
  First->SetName("First");
  auto* Second = MakeComponent<TTarget>(&Form);
  Second->SetName("Second");
  const TPropInfo* Info = TPointing::Properties().Find("Target");
  Pointing->SetLoading(true);
  Info->SetString(*Pointing, "First");
  Info->SetString(*Pointing, "Second");
  EXPECT_EQ("Second", Info->GetString(*Pointing));
  Pointing->Loaded();
  EXPECT_EQ(Second, Pointing->Target());
  EXPECT_EQ(1u, Pointing->SetWhileLoading.size());
}
