#pragma once
// Skin object records of the skin stream, and the "Objects" property that holds an
// object's children.
//
// Text form: class name (string), then one string with the object's properties in the
// textual property form. Binary form: class name, int32 size, then that many bytes of a
// property stream. Children: int32 count OR $F0000 and binary records; a count without the
// mark means text records. A record of an unregistered class is passed over whole.

#include <memory>
#include <string>
#include <vector>

#include "skin/SkinObject.h"
#include "toolkit/Published.h"
#include "toolkit/Streams.h"

// The mark of counts whose records are binary (children, and bitmaps of the max body).
constexpr int32_t BinaryCountMark = 0xF0000;
// Skin objects nested deeper than this are refused, so hostile data cannot exhaust the stack.
constexpr int MaxSkinObjectDepth = 64;

// Null when the class is not registered (the record is consumed all the same).
std::unique_ptr<TSeSkinObject> ReadSkinObject(TStream& Stream, TComponent* Owner);
std::unique_ptr<TSeSkinObject> ReadSkinObjectBinary(TStream& Stream, TComponent* Owner);
void WriteSkinObject(TStream& Stream, const TSeSkinObject& Object);
void WriteSkinObjectBinary(TStream& Stream, const TSeSkinObject& Object);

// A count that may carry BinaryCountMark: the count without it and whether it was there.
// Raises EReadError for a negative count, or a marked one of 65536 or more.
struct TMarkedCount {
  int32_t Count;
  bool Marked;
};
TMarkedCount ReadMarkedCount(TStream& Stream);

// The "Objects" property (written last, after every subclass's own).
TPropInfo ChildObjectsProperty();

// Records a class name passed over in the innermost TSkinReadLog of this thread, if any.
void NoteSkippedClass(const std::string& ClassName);

// Collects, while it lives, the class names that reads on this thread passed over.
class TSkinReadLog {
public:
  TSkinReadLog();
  ~TSkinReadLog();
  TSkinReadLog(const TSkinReadLog&) = delete;
  TSkinReadLog& operator=(const TSkinReadLog&) = delete;
  const std::vector<std::string>& SkippedClasses() const { return FSkipped; }

private:
  friend void NoteSkippedClass(const std::string& ClassName);
  std::vector<std::string> FSkipped;
  TSkinReadLog* FOuter;
};
