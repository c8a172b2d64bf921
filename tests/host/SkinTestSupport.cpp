#include "SkinTestSupport.h"

#include <fstream>
#include <iterator>

#include "skin/SkinFilters.h"
#include "skin/SkinObjectStream.h"
#include "skin/SkinRegistry.h"
#include "toolkit/PropertyText.h"
#include "toolkit/PropertyValues.h"
#include "toolkit/Published.h"

namespace SkinTest {

std::vector<uint8_t> FileBytes(const std::string& FileName) {
  std::ifstream File(FileName, std::ios::binary);
  return {std::istreambuf_iterator<char>(File), std::istreambuf_iterator<char>()};
}

TMemoryStream InflatedBody(const std::vector<uint8_t>& Bytes, size_t Offset) {
  TMemoryStream Compressed(std::vector<uint8_t>(Bytes.begin() + static_cast<long>(Offset) + 4,
                                                Bytes.end()));
  return TMemoryStream(InflateSkinBody(Compressed));
}

namespace {

void CheckProperties(TStream& Stream, const TPersistent& Object, TRecords& Out);

void CheckChildren(TStream& Stream, TRecords& Out) {
  const int32_t Raw = Stream.ReadInt32();
  Out.AllMarked = Out.AllMarked && (Raw & BinaryCountMark) == BinaryCountMark;
  for (int32_t I = 0; I < (Raw & 0xFFFF); ++I) {
    const std::string ClassName = ReadString(Stream);
    const int32_t Size = Stream.ReadInt32();
    TStreamWindow Record(Stream, Size);
    if (const TSkinObjectClass* Class = FindSkinObjectClass(ClassName))
      CheckProperties(Record, *Class->Create(nullptr), Out);
    else
      Out.Unknown.push_back(ClassName);
    Record.SkipToEnd();
  }
}

// Every property of a binary object stream must be published by the object's class (or by
// the sub-object a dotted name leads to); children are checked the same way.
void CheckProperties(TStream& Stream, const TPersistent& Object, TRecords& Out) {
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
      Out.Unknown.push_back(Object.ClassName() + "." + Name);
      In.SkipValue(In.Byte());
    } else if (Name == "Objects") {
      In.Byte();
      const int32_t Length = In.Int32();
      TStreamWindow Children(Stream, Length);
      CheckChildren(Children, Out);
      Children.SkipToEnd();
    } else {
      In.SkipValue(In.Byte());
    }
  }
}

} // namespace

TRecords ReadObjectRecords(TStream& Body) {
  TRecords Out;
  Out.Count = Body.ReadInt32();
  for (int I = 0; I < Out.Count; ++I) {
    const std::string ClassName = ReadString(Body);
    const std::string Text = ReadString(Body);
    EXPECT_EQ(Text.substr(0, 7), "object ") << "record " << I;
    TMemoryStream Binary;
    ObjectTextToBinary(Text, Binary);
    Binary.SetPosition(0);
    if (const TSkinObjectClass* Class = FindSkinObjectClass(ClassName))
      CheckProperties(Binary, *Class->Create(nullptr), Out);
    else
      Out.Unknown.push_back(ClassName);
  }
  return Out;
}

int CountObjects(const TSeSkinObject& Object) {
  int Count = 1;
  for (int I = 0; I < Object.ChildCount(); ++I)
    Count += CountObjects(*Object.GetChild(I));
  return Count;
}

std::vector<std::string> TopLevelNames(const TSeSkinSource& Skin) {
  std::vector<std::string> Names;
  for (int I = 0; I < Skin.ObjectCount(); ++I)
    Names.push_back(Skin.GetObject(I)->Name());
  return Names;
}

std::vector<std::string> BrokenLinks(const TSeSkinObject& Object) {
  std::vector<std::string> Broken;
  for (const TPropInfo* Info : Object.Published()->Properties()) {
    if (Info->Kind != TPropKind::pkObject)
      continue;
    const auto* Link = dynamic_cast<const TseBitmapLink*>(Info->Object(Object));
    if (!Link || Link->Name.empty())
      continue;
    const bool Inside = Link->IsValid() && Link->Rect.Left >= 0 && Link->Rect.Top >= 0 &&
                        Link->Rect.Right <= Link->Image->Width() &&
                        Link->Rect.Bottom <= Link->Image->Height();
    if (!Inside)
      Broken.push_back(Object.Name() + "." + Info->Name);
  }
  for (int I = 0; I < Object.ChildCount(); ++I)
    for (std::string& Name : BrokenLinks(*Object.GetChild(I)))
      Broken.push_back(std::move(Name));
  return Broken;
}

std::vector<std::string> KeyedBitmaps(const TSeSkinSource& Skin) {
  std::vector<std::string> Keyed;
  for (int I = 0; I < Skin.Bitmaps().Count(); ++I)
    if (Skin.Bitmaps().GetBitmap(I)->Transparent)
      Keyed.push_back(Skin.Bitmaps().GetBitmap(I)->Name);
  return Keyed;
}

void ExpectParts(TSeSkinObject& Top, std::initializer_list<TPart> Parts) {
  for (const TPart& Part : Parts) {
    const TSeSkinObject* Found = Top.FindObject(Part.Name);
    if (!Found) {
      ADD_FAILURE() << Top.Name() << " has no " << Part.Name;
      continue;
    }
    EXPECT_EQ(Found->Name(), Part.Name) << Top.Name(); // the letter case controls ask for
    EXPECT_EQ(Found->ClassName(), Part.Class) << Top.Name() << "." << Part.Name;
  }
}

const TseBitmapLink* PictureInState(const TSeButtonObject& Object, TSeState State) {
  const TseBitmapLinkPtr* Own = State == osFocused    ? &Object.BitmapFocused
                                : State == osHot      ? &Object.BitmapHot
                                : State == osDisabled ? &Object.BitmapDisabled
                                : State == osPressed  ? &Object.BitmapPressed
                                                      : nullptr;
  if (Own && *Own && (*Own)->IsValid())
    return Own->get();
  return Object.Bitmap && Object.Bitmap->IsValid() ? Object.Bitmap.get() : nullptr;
}

void ExpectDistinctStates(TSeSkinObject& Top, const char* Part,
                          std::initializer_list<TSeState> States) {
  const auto* Object = dynamic_cast<const TSeButtonObject*>(Top.FindObject(Part));
  ASSERT_NE(Object, nullptr) << Top.Name() << "." << Part << " is no button object";
  std::vector<std::pair<TSeState, const TseBitmapLink*>> Seen;
  for (TSeState State : States) {
    const TseBitmapLink* Picture = PictureInState(*Object, State);
    ASSERT_NE(Picture, nullptr) << Top.Name() << "." << Part << " draws nothing";
    for (const auto& [Other, OtherPicture] : Seen)
      EXPECT_FALSE(Picture->Image == OtherPicture->Image && Picture->Rect == OtherPicture->Rect)
          << Top.Name() << "." << Part << " looks the same in states " << int(Other) << " and "
          << int(State);
    Seen.emplace_back(State, Picture);
  }
}

int Brightness(TColor Color) { return (Color & 0xFF) + (Color >> 8 & 0xFF) + (Color >> 16 & 0xFF); }

} // namespace SkinTest
