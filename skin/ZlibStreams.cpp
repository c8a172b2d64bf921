#include "skin/ZlibStreams.h"

#include <algorithm>

namespace {

template <class E> void Check(int Result) {
  if (Result < 0)
    throw E("error");
}

int DeflateLevel(TCompressionLevel Level) {
  switch (Level) {
  case TCompressionLevel::clNone:
    return 0;
  case TCompressionLevel::clFastest:
    return 1;
  case TCompressionLevel::clMax:
    return 9;
  default:
    return Z_DEFAULT_COMPRESSION;
  }
}

} // namespace

TCustomZlibStream::TCustomZlibStream(TStream& Other)
    : FStream(Other), FStreamStart(Other.Position()), FStreamPos(FStreamStart),
      FBuffer(BufferSize) {}

// ---------------------------------------------------------------------------------------
// TCompressionStream

TCompressionStream::TCompressionStream(TCompressionLevel Level, TStream& Dest)
    : TCustomZlibStream(Dest) {
  FZlib.next_out = FBuffer.data();
  FZlib.avail_out = BufferSize;
  Check<ECompressionError>(deflateInit(&FZlib, DeflateLevel(Level)));
}

TCompressionStream::~TCompressionStream() {
  try {
    Finish();
  } catch (const std::exception&) {
    // A destructor cannot report it; Finish() beforehand can.
  }
  deflateEnd(&FZlib);
}

void TCompressionStream::Flush(size_t Bytes) {
  FStream.SetPosition(FStreamPos);
  FStream.WriteBuffer(FBuffer.data(), static_cast<int64_t>(Bytes));
  FStreamPos = FStream.Position();
  FZlib.next_out = FBuffer.data();
  FZlib.avail_out = BufferSize;
  Progress();
}

void TCompressionStream::Finish() {
  if (FFinished)
    return;
  FFinished = true;
  FZlib.next_in = nullptr;
  FZlib.avail_in = 0;
  for (;;) {
    const int Result = deflate(&FZlib, Z_FINISH);
    Check<ECompressionError>(Result);
    if (FZlib.avail_out == 0)
      Flush(BufferSize);
    if (Result == Z_STREAM_END)
      break;
  }
  if (FZlib.avail_out < BufferSize)
    Flush(BufferSize - FZlib.avail_out);
}

int64_t TCompressionStream::Read(void*, int64_t) {
  throw ECompressionError("Invalid stream operation");
}

int64_t TCompressionStream::Write(const void* Buffer, int64_t Count) {
  if (Count <= 0)
    return 0;
  if (FFinished)
    throw ECompressionError("Invalid stream operation");
  const auto* Bytes = static_cast<const uint8_t*>(Buffer);
  int64_t Left = Count;
  while (Left > 0) {
    const auto Chunk = static_cast<uInt>(std::min<int64_t>(Left, 1 << 30));
    FZlib.next_in = const_cast<Bytef*>(Bytes);
    FZlib.avail_in = Chunk;
    while (FZlib.avail_in > 0) {
      Check<ECompressionError>(deflate(&FZlib, Z_NO_FLUSH));
      if (FZlib.avail_out == 0)
        Flush(BufferSize);
    }
    Bytes += Chunk;
    Left -= Chunk;
  }
  return Count;
}

int64_t TCompressionStream::Seek(int64_t Offset, TSeekOrigin Origin) {
  if (Offset == 0 && Origin == TSeekOrigin::soCurrent)
    return static_cast<int64_t>(FZlib.total_in);
  throw ECompressionError("Invalid stream operation");
}

// ---------------------------------------------------------------------------------------
// TDecompressionStream

TDecompressionStream::TDecompressionStream(TStream& Source) : TCustomZlibStream(Source) {
  FZlib.next_in = FBuffer.data();
  FZlib.avail_in = 0;
  Check<EDecompressionError>(inflateInit(&FZlib));
}

TDecompressionStream::~TDecompressionStream() { inflateEnd(&FZlib); }

int64_t TDecompressionStream::Read(void* Buffer, int64_t Count) {
  if (Count <= 0)
    return 0;
  auto* Out = static_cast<uint8_t*>(Buffer);
  int64_t Produced = 0;
  while (Produced < Count) {
    if (FZlib.avail_in == 0) {
      FStream.SetPosition(FStreamPos);
      const int64_t Got = FStream.Read(FBuffer.data(), BufferSize);
      FStreamPos = FStream.Position();
      if (Got <= 0)
        break; // the source has no more
      FZlib.next_in = FBuffer.data();
      FZlib.avail_in = static_cast<uInt>(Got);
      Progress();
    }
    const auto Want = static_cast<uInt>(std::min<int64_t>(Count - Produced, 1 << 30));
    FZlib.next_out = Out + Produced;
    FZlib.avail_out = Want;
    const int Result = inflate(&FZlib, Z_NO_FLUSH);
    Check<EDecompressionError>(Result == Z_NEED_DICT ? Z_DATA_ERROR : Result);
    Produced += Want - FZlib.avail_out;
    if (Result == Z_STREAM_END)
      break;
  }
  return Produced;
}

int64_t TDecompressionStream::Write(const void*, int64_t) {
  throw EDecompressionError("Invalid stream operation");
}

int64_t TDecompressionStream::Seek(int64_t Offset, TSeekOrigin Origin) {
  const auto Produced = static_cast<int64_t>(FZlib.total_out);
  if (Origin == TSeekOrigin::soBeginning && Offset == 0) {
    // Begin again where the compressed data began (not at the source's byte 0, which may
    // belong to a header in front of it).
    Check<EDecompressionError>(inflateReset(&FZlib));
    FZlib.next_in = FBuffer.data();
    FZlib.avail_in = 0;
    FStreamPos = FStreamStart;
    return 0;
  }
  int64_t Skip;
  if (Origin == TSeekOrigin::soCurrent && Offset >= 0)
    Skip = Offset;
  else if (Origin == TSeekOrigin::soBeginning && Offset >= Produced)
    Skip = Offset - Produced;
  else
    throw EDecompressionError("Invalid stream operation");
  uint8_t Discard[4096];
  while (Skip > 0) {
    const int64_t Got = Read(Discard, std::min<int64_t>(Skip, sizeof Discard));
    if (Got <= 0)
      break;
    Skip -= Got;
  }
  return static_cast<int64_t>(FZlib.total_out);
}

int64_t TDecompressionStream::Size() { throw EDecompressionError("Invalid stream operation"); }
