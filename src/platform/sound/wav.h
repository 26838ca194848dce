#pragma once
// Recordings: PCM WAVE files (RIFF with "fmt " and "data" chunks, any rate, 8 or 16
// bits, mono or stereo), read block by block so that playback starts at once.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "platform/sound/pcm.h"

struct WavInfo {
  PcmFormat format;
  long dataOffset = 0;
  long dataBytes = 0;
};

// Reads the header of an open file. False for anything that is not a playable PCM
// WAVE file: another container, a compressed format, more than two channels, other
// sample sizes, a "data" chunk before "fmt ", or a "data" chunk that the file does not
// hold in full (a truncated file).
bool readWavHeader(std::FILE* file, WavInfo& info);

// Size of the next block to read when `remaining` bytes are left: 8192 bytes, except
// that a remainder of 8193 to 8447 bytes goes as 7936 bytes and then the rest, so the
// last block is never tiny.
long nextWavBlock(long remaining);

// An open recording. Fails to open (returns null) exactly when readWavHeader does.
class WavStream {
 public:
  static std::unique_ptr<WavStream> open(const std::string& path);
  ~WavStream();
  WavStream(const WavStream&) = delete;
  WavStream& operator=(const WavStream&) = delete;

  const WavInfo& info() const { return info_; }
  // The next block of raw bytes; empty at the end or after a read error.
  bool readBlock(std::vector<unsigned char>& block);

 private:
  WavStream(std::FILE* file, WavInfo info) : file_(file), info_(info), remaining_(info.dataBytes) {}
  std::FILE* file_;
  WavInfo info_;
  long remaining_;
};
