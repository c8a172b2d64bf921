#pragma once
// Streams that deflate what is written to them into another stream, or inflate what another
// stream holds as they are read: the compressed skin forms go through them.

#include <cstdint>
#include <functional>
#include <vector>
#include <zlib.h>

#include "toolkit/Streams.h"

class EZlibError : public Exception {
public:
  using Exception::Exception;
};
class ECompressionError : public EZlibError {
public:
  using EZlibError::EZlibError;
};
class EDecompressionError : public EZlibError {
public:
  using EZlibError::EZlibError;
};

enum class TCompressionLevel { clNone, clFastest, clDefault, clMax };

// Called after each buffer with the adapter.
using TProgressEvent = std::function<void(TStream& Sender)>;

// Base of the two: the other stream, the position it had when the adapter was made (and the
// adapter's own position in it since), and the 8192-byte buffer.
class TCustomZlibStream : public TStream {
public:
  TProgressEvent OnProgress;

protected:
  explicit TCustomZlibStream(TStream& Other);
  void Progress() {
    if (OnProgress)
      OnProgress(*this);
  }

  static constexpr size_t BufferSize = 8192;
  TStream& FStream;
  int64_t FStreamStart;
  int64_t FStreamPos;
  z_stream FZlib{};
  std::vector<uint8_t> FBuffer;
};

class TCompressionStream : public TCustomZlibStream {
public:
  TCompressionStream(TCompressionLevel Level, TStream& Dest);
  // Finishes the deflate stream and writes what is left.
  ~TCompressionStream() override;
  // Raises ECompressionError "Invalid stream operation".
  int64_t Read(void* Buffer, int64_t Count) override;
  int64_t Write(const void* Buffer, int64_t Count) override;
  // Only a move of 0 from the current position: the count of bytes taken in.
  int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
  int64_t Size() override { return Seek(0, TSeekOrigin::soCurrent); }
  // Finishes the deflate stream now (the destructor does it otherwise).
  void Finish();

private:
  void Flush(size_t Bytes);
  bool FFinished = false;
};

class TDecompressionStream : public TCustomZlibStream {
public:
  explicit TDecompressionStream(TStream& Source);
  ~TDecompressionStream() override;
  // Inflates until Count bytes are produced or the source has no more.
  int64_t Read(void* Buffer, int64_t Count) override;
  // Raises EDecompressionError "Invalid stream operation".
  int64_t Write(const void* Buffer, int64_t Count) override;
  // Forward moves read and discard; a move to 0 from the start begins again; nothing else.
  int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
  // The size is not known in advance: raises "Invalid stream operation".
  int64_t Size() override;
};
