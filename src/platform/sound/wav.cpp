#include "platform/sound/wav.h"

#include <cstring>

namespace {

constexpr int kFormatPcm = 1;
constexpr int kFormatExtensible = 0xFFFE;
constexpr long kBlock = 8192;

unsigned le16(const unsigned char* p) { return p[0] | (p[1] << 8); }
unsigned long le32(const unsigned char* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<unsigned long>(p[3]) << 24);
}

bool readExact(std::FILE* file, unsigned char* buffer, size_t count) {
  return std::fread(buffer, 1, count, file) == count;
}

// The "fmt " chunk: PCM, or the extensible form whose sub-format is PCM.
bool parseFormat(const unsigned char* p, unsigned long size, PcmFormat& format) {
  if (size < 16) return false;
  const unsigned tag = le16(p);
  if (tag == kFormatExtensible) {
    if (size < 40 || le16(p + 24) != kFormatPcm) return false;
  } else if (tag != kFormatPcm) {
    return false;
  }
  const unsigned channels = le16(p + 2);
  const unsigned long rate = le32(p + 4);
  const unsigned bits = le16(p + 14);
  if (channels < 1 || channels > 2 || (bits != 8 && bits != 16)) return false;
  if (rate < 1 || rate > 1000000) return false;
  format = {static_cast<int>(rate), static_cast<int>(bits), static_cast<int>(channels)};
  return true;
}

}  // namespace

bool readWavHeader(std::FILE* file, WavInfo& info) {
  if (!file || std::fseek(file, 0, SEEK_END) != 0) return false;
  const long fileSize = std::ftell(file);
  if (fileSize < 12 || std::fseek(file, 0, SEEK_SET) != 0) return false;
  unsigned char riff[12];
  if (!readExact(file, riff, 12) || std::memcmp(riff, "RIFF", 4) != 0 ||
      std::memcmp(riff + 8, "WAVE", 4) != 0) {
    return false;
  }
  bool haveFormat = false;
  long at = 12;
  while (at + 8 <= fileSize) {
    unsigned char chunk[8];
    if (std::fseek(file, at, SEEK_SET) != 0 || !readExact(file, chunk, 8)) return false;
    const unsigned long size = le32(chunk + 4);
    const long body = at + 8;
    if (static_cast<unsigned long>(fileSize - body) < size) return false;  // truncated
    if (std::memcmp(chunk, "fmt ", 4) == 0) {
      unsigned char fmt[40] = {};
      const size_t want = size < sizeof fmt ? size : sizeof fmt;
      if (!readExact(file, fmt, want) || !parseFormat(fmt, size, info.format)) return false;
      haveFormat = true;
    } else if (std::memcmp(chunk, "data", 4) == 0) {
      if (!haveFormat) return false;
      info.dataOffset = body;
      info.dataBytes = static_cast<long>(size);
      return std::fseek(file, body, SEEK_SET) == 0;
    }
    at = body + static_cast<long>(size) + (size & 1);  // chunks are padded to even sizes
  }
  return false;
}

long nextWavBlock(long remaining) {
  if (remaining > kBlock && remaining < kBlock + 256) return kBlock - 256;
  return remaining < kBlock ? remaining : kBlock;
}

std::unique_ptr<WavStream> WavStream::open(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return nullptr;
  WavInfo info;
  if (!readWavHeader(file, info)) {
    std::fclose(file);
    return nullptr;
  }
  return std::unique_ptr<WavStream>(new WavStream(file, info));
}

WavStream::~WavStream() { std::fclose(file_); }

bool WavStream::readBlock(std::vector<unsigned char>& block) {
  const long want = nextWavBlock(remaining_);
  block.resize(static_cast<size_t>(want));
  const size_t got = want > 0 ? std::fread(block.data(), 1, block.size(), file_) : 0;
  block.resize(got);
  // A short read means the file changed under us: end the stream there.
  remaining_ = got == static_cast<size_t>(want) ? remaining_ - want : 0;
  return !block.empty();
}
