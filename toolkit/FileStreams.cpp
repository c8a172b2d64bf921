#include "toolkit/FileStreams.h"

#include <sys/stat.h>

#include "toolkit/SysUtils.h"

namespace {
int SeekFile(std::FILE* File, int64_t Offset, int Whence) {
#ifdef _WIN32
  return _fseeki64(File, Offset, Whence);
#else
  return fseeko(File, static_cast<off_t>(Offset), Whence);
#endif
}

int64_t TellFile(std::FILE* File) {
#ifdef _WIN32
  return _ftelli64(File);
#else
  return ftello(File);
#endif
}
} // namespace

TFileStream::TFileStream(const std::string& FileName, TFileMode Mode)
    : FFile(std::fopen(FileName.c_str(), Mode == TFileMode::fmCreate ? "w+b" : "rb")) {
  if (!FFile) {
    if (Mode == TFileMode::fmCreate)
      throw EFCreateError(FormatStr("Cannot create file %s", {FileName}));
    throw EFOpenError(FormatStr("Cannot open file %s", {FileName}));
  }
}

TFileStream::~TFileStream() { std::fclose(FFile); }

int64_t TFileStream::Read(void* Buffer, int64_t Count) {
  return Count > 0 ? static_cast<int64_t>(std::fread(Buffer, 1, static_cast<size_t>(Count), FFile))
                   : 0;
}

int64_t TFileStream::Write(const void* Buffer, int64_t Count) {
  return Count > 0 ? static_cast<int64_t>(std::fwrite(Buffer, 1, static_cast<size_t>(Count), FFile))
                   : 0;
}

int64_t TFileStream::Seek(int64_t Offset, TSeekOrigin Origin) {
  const int Whence = Origin == TSeekOrigin::soBeginning ? SEEK_SET
                     : Origin == TSeekOrigin::soCurrent ? SEEK_CUR
                                                        : SEEK_END;
  if (!(Offset == 0 && Origin == TSeekOrigin::soCurrent))
    SeekFile(FFile, Offset, Whence);
  return TellFile(FFile);
}

bool FileExists(const std::string& FileName) {
  struct stat Info {};
  return stat(FileName.c_str(), &Info) == 0 && !(Info.st_mode & S_IFDIR);
}
