#pragma once
// Streams of bytes: the abstract stream with exact reads and writes, and memory streams.

#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/SysUtils.h"

class EStreamError : public Exception {
public:
  using Exception::Exception;
};
class EReadError : public EStreamError {
public:
  EReadError() : EStreamError("Stream read error") {}
  using EStreamError::EStreamError;
};
class EWriteError : public EStreamError {
public:
  EWriteError() : EStreamError("Stream write error") {}
  using EStreamError::EStreamError;
};

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream {
public:
  virtual ~TStream() = default;
  // Reads or writes up to Count bytes and returns how many moved.
  virtual int64_t Read(void* Buffer, int64_t Count) = 0;
  virtual int64_t Write(const void* Buffer, int64_t Count) = 0;
  // Moves the position and returns the new one.
  virtual int64_t Seek(int64_t Offset, TSeekOrigin Origin) = 0;

  int64_t Position() { return Seek(0, TSeekOrigin::soCurrent); }
  void SetPosition(int64_t Value) { Seek(Value, TSeekOrigin::soBeginning); }
  virtual int64_t Size();
  // Bytes between the position and the end.
  int64_t Remaining() { return Size() - Position(); }

  // Exactly Count bytes, or EReadError / EWriteError.
  void ReadBuffer(void* Buffer, int64_t Count);
  void WriteBuffer(const void* Buffer, int64_t Count);
  int32_t ReadInt32();
  void WriteInt32(int32_t Value);
};

class TMemoryStream : public TStream {
public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::vector<uint8_t> Bytes) : FBytes(std::move(Bytes)) {}
  int64_t Read(void* Buffer, int64_t Count) override;
  int64_t Write(const void* Buffer, int64_t Count) override;
  int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
  int64_t Size() override { return static_cast<int64_t>(FBytes.size()); }
  const std::vector<uint8_t>& Bytes() const { return FBytes; }

private:
  std::vector<uint8_t> FBytes;
  int64_t FPosition = 0;
};

// Count bytes of another stream from its position when the window is made: reads stop at the
// window's end, so a reader handed the window cannot run past the part it was given.
class TStreamWindow : public TStream {
public:
  TStreamWindow(TStream& Base, int64_t Count);
  int64_t Read(void* Buffer, int64_t Count) override;
  // Read-only: writes move nothing.
  int64_t Write(const void*, int64_t) override { return 0; }
  int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
  int64_t Size() override { return FCount; }
  // Puts the other stream right after the window, however much was read.
  void SkipToEnd();

private:
  TStream& FBase;
  int64_t FStart;
  int64_t FCount;
  int64_t FPosition = 0;
};
