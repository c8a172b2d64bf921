#pragma once
// What the tests of both compiled skins check alike: the bytes of a skin as stored, the
// object records of its body, the trees of objects loaded from it, the bitmap references
// and state pictures of those objects, and the bitmaps themselves.

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "skin/SkinObjects.h"
#include "skin/SkinSource.h"
#include "toolkit/Streams.h"

namespace SkinTest {

std::vector<uint8_t> FileBytes(const std::string& FileName);
// The body inflated from the zlib stream that follows the "QZLZ" at Offset of Bytes.
TMemoryStream InflatedBody(const std::vector<uint8_t>& Bytes, size_t Offset);

// The object records of a standard body, read from Body's position: their count, the
// properties no class publishes ("TClass.Name"), and whether every nested child list is in
// the binary form with the $F0000 mark.
struct TRecords {
  int Count = 0;
  std::vector<std::string> Unknown;
  bool AllMarked = true;
};
TRecords ReadObjectRecords(TStream& Body);

int CountObjects(const TSeSkinObject& Object);
std::vector<std::string> TopLevelNames(const TSeSkinSource& Skin);

// "Object.Property" for every bitmap reference in the tree that names a bitmap but is not
// bound to a rectangle of area lying inside it.
std::vector<std::string> BrokenLinks(const TSeSkinObject& Object);
// The bitmaps that loading found key-coloured pixels in.
std::vector<std::string> KeyedBitmaps(const TSeSkinSource& Skin);

// A named part of a top-level object and its class; every part is checked to be there.
struct TPart {
  const char* Name;
  const char* Class;
};
void ExpectParts(TSeSkinObject& Top, std::initializer_list<TPart> Parts);

// The picture a button object draws in a state: the state's own when it is usable, else its
// normal one. Null without a usable normal picture.
const TseBitmapLink* PictureInState(const TSeButtonObject& Object, TSeState State);
// The pictures of the states are pairwise different rectangles.
void ExpectDistinctStates(TSeSkinObject& Top, const char* Part,
                          std::initializer_list<TSeState> States);

// The colour's red, green and blue added up: dark below 3 * 64, light above 3 * 180.
int Brightness(TColor Color);

} // namespace SkinTest
