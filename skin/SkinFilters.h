#pragma once
// Skin filters turn a skin source into bytes and back. The body is the five header strings,
// the bitmap records and the object records; the containers around it:
//   uncompressed  the body
//   compressed    "QZLZ", then a zlib stream of the body at level 1
//   ultra         "QZLZ", then a zlib stream of the body at level 9
//   max           "QZLZ", then a zlib stream at level 9 of the max body: bitmap count with
//                 the $F0000 mark and binary object records (legacy BMP bitmap records
//                 when the mark is missing)

#include <cstdint>
#include <string>
#include <vector>

#include "skin/ZlibStreams.h"
#include "toolkit/Classes.h"
#include "toolkit/Streams.h"

class TSeSkinSource;

// Inflated bodies larger than this are refused, so a small file cannot make the reader
// allocate without bound.
constexpr int64_t MaxSkinBodySize = int64_t{256} << 20;

class TSeSkinFilter : public TPersistent {
public:
  std::string ClassName() const override { return "TSeSkinFilter"; }
  // The body: the standard one here. Each does nothing without a source.
  virtual void ReadSkin(TStream& Stream);
  virtual void WriteSkin(TStream& Stream);
  // The container; nothing here.
  virtual void LoadFromStream(TStream&) {}
  virtual void SaveToStream(TStream&) {}

  TSeSkinSource* Source = nullptr; // the source served, not owned

protected:
  void ReadHeader(TStream& Stream);
  void WriteHeader(TStream& Stream);
  void ReadBitmapRecords(TStream& Stream, int32_t Count);
  // The object count and records, binary or text; the classes passed over go to the source.
  void ReadObjectRecords(TStream& Stream, bool Binary);
  // The body: the max one (marked bitmap count, binary records) or the standard one.
  void WriteBody(TStream& Stream, bool Max);
  // Registers the source's bitmaps with Object's tree and binds its references.
  void AddObject(std::unique_ptr<class TSeSkinObject> Object);
};

class TSeSkinFilterUncompressed : public TSeSkinFilter {
public:
  std::string ClassName() const override { return "TSeSkinFilterUncompressed"; }
  void LoadFromStream(TStream& Stream) override;
  void SaveToStream(TStream& Stream) override;
};

class TSeSkinFilterCompressed : public TSeSkinFilter {
public:
  std::string ClassName() const override { return "TSeSkinFilterCompressed"; }
  void LoadFromStream(TStream& Stream) override;
  void SaveToStream(TStream& Stream) override;
};

class TSeSkinFilterUltraCompressed : public TSeSkinFilter {
public:
  std::string ClassName() const override { return "TSeSkinFilterUltraCompressed"; }
  void LoadFromStream(TStream& Stream) override;
  void SaveToStream(TStream& Stream) override;
};

class TSeSkinFilterMaxCompression : public TSeSkinFilterUltraCompressed {
public:
  std::string ClassName() const override { return "TSeSkinFilterMaxCompression"; }
  void ReadSkin(TStream& Stream) override;
  void WriteSkin(TStream& Stream) override;
};

// Inflates what Stream holds (after the magic) into memory; more than Limit bytes raise
// EDecompressionError "Skin data is too large".
std::vector<uint8_t> InflateSkinBody(TStream& Stream, int64_t Limit = MaxSkinBodySize);

// The zlib containers: "QZLZ" (never checked when reading) and a zlib stream of the body.
void LoadCompressedSkin(TSeSkinFilter& Filter, TStream& Stream);
void SaveCompressedSkin(TSeSkinFilter& Filter, TStream& Stream, TCompressionLevel Level);
