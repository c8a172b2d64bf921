#include "skin/SkinFilters.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "gfx/Bitmap.h"
#include "gfx/BmpDecoder.h"
#include "skin/Adler32.h"
#include "skin/SkinObjectStream.h"
#include "skin/SkinSource.h"

namespace {

constexpr char Magic[4] = {'Q', 'Z', 'L', 'Z'};

// The smallest records: a bitmap is a name length and two sizes; a legacy bitmap a name
// length and a size; an object a class name length and a text length or size.
constexpr int64_t MinBitmapRecord = 12;
constexpr int64_t MinLegacyRecord = 8;
constexpr int64_t MinObjectRecord = 8;

void CheckCount(TStream& Stream, int64_t Count, int64_t MinRecord) {
  if (Count < 0 || Count * MinRecord > Stream.Remaining())
    throw EReadError();
}

void AddBitmap(TSeSkinSource& Source, std::unique_ptr<TseBitmap> Bitmap) {
  Bitmap->CheckTransparent(KeyColor);
  Bitmap->CheckAlphaBlend();
  Source.Bitmaps().Add(std::move(Bitmap));
}

// Keeps the classes a body read passes over in the source, also when the read fails.
class TSkippedClasses {
public:
  explicit TSkippedClasses(TSeSkinSource& Source) : FSource(Source) {}
  ~TSkippedClasses() { FSource.SetSkippedClasses(FLog.SkippedClasses()); }
  TSkippedClasses(const TSkippedClasses&) = delete;
  TSkippedClasses& operator=(const TSkippedClasses&) = delete;

private:
  TSeSkinSource& FSource;
  TSkinReadLog FLog;
};

// The last four of the bytes added, however they were split.
class TLastBytes {
public:
  void Add(const uint8_t* Begin, const uint8_t* End) {
    for (const uint8_t* At = End - std::min<ptrdiff_t>(End - Begin, 4); At < End; ++At)
      FBytes = FBytes << 8 | *At;
  }
  uint32_t BigEndian() const { return FBytes; }

private:
  uint32_t FBytes = 0;
};

} // namespace

std::vector<uint8_t> InflateSkinBody(TStream& Stream, int64_t Limit) {
  // zlib straight, in large steps: every call to inflate copies what it produced into its
  // window (up to 32 KB), so steps as small as a stream adapter's buffer would copy the
  // whole body once more. It stops at the end of the zlib stream (bytes after it may have
  // been read); data that ends before, even in the checksum, is a read error. zlib reads the
  // checksum but leaves its test to us: its own sum goes a byte at a time.
  constexpr int64_t InputSize = 64 * 1024;
  constexpr int64_t OutputSize = 256 * 1024;
  z_stream Zlib{};
  if (inflateInit(&Zlib) != Z_OK || inflateValidate(&Zlib, 0) != Z_OK)
    throw EDecompressionError("error");
  struct TInflateEnd {
    z_stream& Zlib;
    ~TInflateEnd() { inflateEnd(&Zlib); }
  } const End{Zlib};

  // Room for four times the compressed bytes (pictures deflate to about half, text records
  // to a fifth), so that the body is seldom moved while it grows. Reserving touches no
  // memory: only what is inflated is.
  std::vector<uint8_t> Body;
  Body.reserve(static_cast<size_t>(
      std::min(std::max(Stream.Remaining(), int64_t{0}) * 4 + InputSize, Limit + 1)));
  // Inflated a step at a time and appended, so that no byte of the body (nor of these two
  // buffers) is zeroed first.
  const auto Input = std::make_unique_for_overwrite<Bytef[]>(InputSize);
  const auto Output = std::make_unique_for_overwrite<Bytef[]>(OutputSize);
  uint32_t Check = 1;  // the sum of no bytes
  TLastBytes Consumed; // the checksum is the last four bytes inflate takes
  for (;;) {
    if (Zlib.avail_in == 0) {
      if (Zlib.next_in)
        Consumed.Add(Input.get(), Zlib.next_in);
      const int64_t Got = Stream.Read(Input.get(), InputSize);
      if (Got <= 0) // the data ends before the zlib stream does: cut short
        throw EReadError();
      Zlib.next_in = Input.get();
      Zlib.avail_in = static_cast<uInt>(Got);
    }
    const auto Have = static_cast<int64_t>(Body.size());
    if (Have > Limit)
      throw EDecompressionError("Skin data is too large");
    // Never more than one byte past the limit.
    Zlib.next_out = Output.get();
    Zlib.avail_out = static_cast<uInt>(std::min(OutputSize, Limit + 1 - Have));
    const int Result = inflate(&Zlib, Z_NO_FLUSH);
    if (Result < 0 || Result == Z_NEED_DICT)
      throw EDecompressionError("error");
    Check = Adler32(Check, Output.get(), static_cast<size_t>(Zlib.next_out - Output.get()));
    Body.insert(Body.end(), Output.get(), Zlib.next_out);
    if (Result == Z_STREAM_END)
      break;
  }
  Consumed.Add(Input.get(), Zlib.next_in);
  if (Consumed.BigEndian() != Check)
    throw EDecompressionError("error");
  if (static_cast<int64_t>(Body.size()) > Limit)
    throw EDecompressionError("Skin data is too large");
  return Body;
}

// ---------------------------------------------------------------------------------------
// The standard body

void TSeSkinFilter::ReadHeader(TStream& Stream) {
  Source->SkinName = ReadString(Stream);
  Source->SkinVersion = ReadString(Stream);
  Source->Author = ReadString(Stream);
  Source->AuthorEMail = ReadString(Stream);
  Source->AuthorURL = ReadString(Stream);
}

void TSeSkinFilter::WriteHeader(TStream& Stream) {
  for (const std::string* Text : {&Source->SkinName, &Source->SkinVersion, &Source->Author,
                                  &Source->AuthorEMail, &Source->AuthorURL})
    WriteString(Stream, *Text);
}

void TSeSkinFilter::ReadBitmapRecords(TStream& Stream, int32_t Count) {
  CheckCount(Stream, Count, MinBitmapRecord);
  for (int32_t I = 0; I < Count; ++I) {
    auto Bitmap = std::make_unique<TseBitmap>();
    Bitmap->LoadFromStream(Stream);
    AddBitmap(*Source, std::move(Bitmap));
  }
}

void TSeSkinFilter::AddObject(std::unique_ptr<TSeSkinObject> Object) {
  if (!Object)
    return;
  Object->SetBitmaps(&Source->Bitmaps());
  Object->ResolveLinks();
  Source->AddObject(std::move(Object));
}

void TSeSkinFilter::ReadObjectRecords(TStream& Stream, bool Binary) {
  const TSkippedClasses Skipped(*Source);
  const int32_t Count = Stream.ReadInt32();
  CheckCount(Stream, Count, MinObjectRecord);
  for (int32_t I = 0; I < Count; ++I)
    AddObject(Binary ? ReadSkinObjectBinary(Stream, nullptr) : ReadSkinObject(Stream, nullptr));
}

void TSeSkinFilter::WriteBody(TStream& Stream, bool Max) {
  WriteHeader(Stream);
  const TseBitmapList& Bitmaps = Source->Bitmaps();
  if (Max && Bitmaps.Count() >= 0x10000)
    throw EWriteError("Too many bitmaps in one skin");
  Stream.WriteInt32(Max ? Bitmaps.Count() | BinaryCountMark : Bitmaps.Count());
  for (int I = 0; I < Bitmaps.Count(); ++I)
    Bitmaps.GetBitmap(I)->SaveToStream(Stream);
  Stream.WriteInt32(Source->ObjectCount());
  for (int I = 0; I < Source->ObjectCount(); ++I)
    (Max ? WriteSkinObjectBinary : WriteSkinObject)(Stream, *Source->GetObject(I));
}

void TSeSkinFilter::ReadSkin(TStream& Stream) {
  if (!Source)
    return;
  Source->Clear();
  ReadHeader(Stream);
  ReadBitmapRecords(Stream, Stream.ReadInt32());
  ReadObjectRecords(Stream, false);
}

void TSeSkinFilter::WriteSkin(TStream& Stream) {
  if (Source)
    WriteBody(Stream, false);
}

// ---------------------------------------------------------------------------------------
// The max body

void TSeSkinFilterMaxCompression::ReadSkin(TStream& Stream) {
  if (!Source)
    return;
  Source->Clear();
  ReadHeader(Stream);
  const TMarkedCount Bitmaps = ReadMarkedCount(Stream);
  if (Bitmaps.Marked) {
    ReadBitmapRecords(Stream, Bitmaps.Count);
  } else {
    CheckCount(Stream, Bitmaps.Count, MinLegacyRecord);
    for (int32_t I = 0; I < Bitmaps.Count; ++I) {
      auto Bitmap = std::make_unique<TseBitmap>();
      const std::string Name = ReadString(Stream);
      const int32_t Size = Stream.ReadInt32();
      if (Size < 0 || Size > Stream.Remaining())
        throw EReadError();
      std::vector<uint8_t> Image(static_cast<size_t>(Size));
      Stream.ReadBuffer(Image.data(), Size);
      DecodeBmp(Image.data(), Image.size(), *Bitmap);
      Bitmap->Name = Name;
      AddBitmap(*Source, std::move(Bitmap));
    }
  }
  ReadObjectRecords(Stream, true);
}

void TSeSkinFilterMaxCompression::WriteSkin(TStream& Stream) {
  if (Source)
    WriteBody(Stream, true);
}

// ---------------------------------------------------------------------------------------
// Containers

void TSeSkinFilterUncompressed::LoadFromStream(TStream& Stream) {
  if (Source)
    ReadSkin(Stream);
}

void TSeSkinFilterUncompressed::SaveToStream(TStream& Stream) {
  if (Source)
    WriteSkin(Stream);
}

void LoadCompressedSkin(TSeSkinFilter& Filter, TStream& Stream) {
  if (!Filter.Source)
    return;
  char Skipped[sizeof Magic];
  Stream.ReadBuffer(Skipped, sizeof Skipped); // not checked: what follows decides
  TMemoryStream Body(InflateSkinBody(Stream));
  Filter.ReadSkin(Body);
}

void SaveCompressedSkin(TSeSkinFilter& Filter, TStream& Stream, TCompressionLevel Level) {
  if (!Filter.Source)
    return;
  Stream.WriteBuffer(Magic, sizeof Magic);
  TCompressionStream Deflater(Level, Stream);
  Filter.WriteSkin(Deflater);
  Deflater.Finish();
}

void TSeSkinFilterCompressed::LoadFromStream(TStream& Stream) { LoadCompressedSkin(*this, Stream); }
void TSeSkinFilterCompressed::SaveToStream(TStream& Stream) {
  SaveCompressedSkin(*this, Stream, TCompressionLevel::clFastest);
}

void TSeSkinFilterUltraCompressed::LoadFromStream(TStream& Stream) {
  LoadCompressedSkin(*this, Stream);
}
void TSeSkinFilterUltraCompressed::SaveToStream(TStream& Stream) {
  SaveCompressedSkin(*this, Stream, TCompressionLevel::clMax);
}
