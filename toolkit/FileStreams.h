#pragma once
// Streams over files.

#include <cstdio>
#include <string>

#include "toolkit/Streams.h"

class EFOpenError : public EStreamError {
public:
  using EStreamError::EStreamError;
};
class EFCreateError : public EStreamError {
public:
  using EStreamError::EStreamError;
};

enum class TFileMode { fmOpenRead, fmCreate };

class TFileStream : public TStream {
public:
  // fmOpenRead raises EFOpenError "Cannot open file <name>"; fmCreate makes the file anew
  // (or empties it) and raises EFCreateError "Cannot create file <name>".
  TFileStream(const std::string& FileName, TFileMode Mode);
  ~TFileStream() override;
  TFileStream(const TFileStream&) = delete;
  TFileStream& operator=(const TFileStream&) = delete;

  int64_t Read(void* Buffer, int64_t Count) override;
  int64_t Write(const void* Buffer, int64_t Count) override;
  int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;

private:
  std::FILE* FFile;
};

bool FileExists(const std::string& FileName);
