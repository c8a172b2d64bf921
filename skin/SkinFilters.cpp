#include "skin/SkinFilters.h"

#include <vector>

#include "gfx/Bitmap.h"
#include "gfx/BmpDecoder.h"
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

// The whole inflated body, refused beyond MaxSkinBodySize.
std::vector<uint8_t> InflateBody(TStream& Stream) {
  TDecompressionStream Inflater(Stream);
  std::vector<uint8_t> Body;
  for (;;) {
    const size_t Have = Body.size();
    const size_t Chunk = std::max<size_t>(Have, 64 * 1024);
    if (static_cast<int64_t>(Have) >= MaxSkinBodySize)
      throw EDecompressionError("Skin data is larger than 256 MB");
    Body.resize(Have + Chunk);
    const int64_t Got = Inflater.Read(Body.data() + Have, static_cast<int64_t>(Chunk));
    Body.resize(Have + static_cast<size_t>(Got));
    if (Got < static_cast<int64_t>(Chunk))
      return Body;
  }
}

void AddBitmap(TSeSkinSource& Source, std::unique_ptr<TseBitmap> Bitmap) {
  Bitmap->CheckTransparent(KeyColor);
  Bitmap->CheckAlphaBlend();
  Source.Bitmaps().Add(std::move(Bitmap));
}

} // namespace

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

void TSeSkinFilter::ReadSkin(TStream& Stream) {
  if (!Source)
    return;
  Source->Clear();
  ReadHeader(Stream);
  ReadBitmapRecords(Stream, Stream.ReadInt32());
  const int32_t Count = Stream.ReadInt32();
  CheckCount(Stream, Count, MinObjectRecord);
  for (int32_t I = 0; I < Count; ++I)
    AddObject(ReadSkinObject(Stream, nullptr));
}

void TSeSkinFilter::WriteSkin(TStream& Stream) {
  if (!Source)
    return;
  WriteHeader(Stream);
  const TseBitmapList& Bitmaps = Source->Bitmaps();
  Stream.WriteInt32(Bitmaps.Count());
  for (int I = 0; I < Bitmaps.Count(); ++I)
    Bitmaps.GetBitmap(I)->SaveToStream(Stream);
  Stream.WriteInt32(Source->ObjectCount());
  for (int I = 0; I < Source->ObjectCount(); ++I)
    WriteSkinObject(Stream, *Source->GetObject(I));
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
  const int32_t Count = Stream.ReadInt32();
  CheckCount(Stream, Count, MinObjectRecord);
  for (int32_t I = 0; I < Count; ++I)
    AddObject(ReadSkinObjectBinary(Stream, nullptr));
}

void TSeSkinFilterMaxCompression::WriteSkin(TStream& Stream) {
  if (!Source)
    return;
  WriteHeader(Stream);
  const TseBitmapList& Bitmaps = Source->Bitmaps();
  if (Bitmaps.Count() >= 0x10000)
    throw EWriteError("Too many bitmaps in one skin");
  Stream.WriteInt32(Bitmaps.Count() | BinaryCountMark);
  for (int I = 0; I < Bitmaps.Count(); ++I)
    Bitmaps.GetBitmap(I)->SaveToStream(Stream);
  Stream.WriteInt32(Source->ObjectCount());
  for (int I = 0; I < Source->ObjectCount(); ++I)
    WriteSkinObjectBinary(Stream, *Source->GetObject(I));
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
  TMemoryStream Body(InflateBody(Stream));
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
