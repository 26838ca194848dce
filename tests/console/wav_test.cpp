#include "console/sound/wav.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "console/sound/mixer.h"

namespace {

using Bytes = std::vector<unsigned char>;

void put16(Bytes& b, unsigned v) { b.insert(b.end(), {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8)}); }
void put32(Bytes& b, unsigned long v) {
  put16(b, v & 0xFFFF);
  put16(b, v >> 16);
}
void putTag(Bytes& b, const char* tag) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<unsigned char>(tag[i]));
}

Bytes fmtChunk(unsigned tag, unsigned channels, unsigned long rate, unsigned bits) {
  Bytes b;
  putTag(b, "fmt ");
  put32(b, 16);
  put16(b, tag);
  put16(b, channels);
  put32(b, rate);
  put32(b, rate * channels * bits / 8);
  put16(b, channels * bits / 8);
  put16(b, bits);
  return b;
}

Bytes chunk(const char* tag, const Bytes& body, unsigned long declared) {
  Bytes b;
  putTag(b, tag);
  put32(b, declared);
  b.insert(b.end(), body.begin(), body.end());
  return b;
}

Bytes riff(const std::vector<Bytes>& chunks) {
  Bytes body;
  putTag(body, "WAVE");
  for (const Bytes& c : chunks) body.insert(body.end(), c.begin(), c.end());
  Bytes b;
  putTag(b, "RIFF");
  put32(b, body.size());
  b.insert(b.end(), body.begin(), body.end());
  return b;
}

Bytes wave(unsigned channels, unsigned long rate, unsigned bits, const Bytes& data) {
  return riff({fmtChunk(1, channels, rate, bits), chunk("data", data, data.size())});
}

class WavFile : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/px-wav-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { std::system(("rm -rf '" + dir_ + "'").c_str()); }

  std::string write(const Bytes& bytes) {
    const std::string path = dir_ + "/f" + std::to_string(count_++) + ".wav";
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
    return path;
  }

  std::string dir_;
  int count_ = 0;
};

TEST_F(WavFile, ReadsFormatAndDataOfGoodFiles) {
  const Bytes data(100, 200);
  auto mono8 = WavStream::open(write(wave(1, 11025, 8, data)));
  ASSERT_TRUE(mono8);
  EXPECT_EQ(mono8->info().format, (PcmFormat{11025, 8, 1}));
  EXPECT_EQ(mono8->info().dataBytes, 100);

  // An odd-sized chunk before "fmt " is skipped with its pad byte; extra chunks after
  // "data" are ignored.
  const Bytes junk = chunk("LIST", Bytes(5, 'x'), 5);
  Bytes padded = junk;
  padded.push_back(0);
  auto stereo16 = WavStream::open(write(riff({padded, fmtChunk(1, 2, 44100, 16), chunk("data", Bytes(8, 1), 8), junk})));
  ASSERT_TRUE(stereo16);
  EXPECT_EQ(stereo16->info().format, (PcmFormat{44100, 16, 2}));
  EXPECT_EQ(stereo16->info().dataBytes, 8);
}

TEST_F(WavFile, RefusesMalformedTruncatedAndNonPcmFiles) {
  const Bytes data(64, 128);
  EXPECT_FALSE(WavStream::open(dir_ + "/missing.wav"));
  EXPECT_FALSE(WavStream::open(write({})));
  EXPECT_FALSE(WavStream::open(write(Bytes{'R', 'I', 'F', 'F'})));
  Bytes notWave = wave(1, 8000, 8, data);
  notWave[8] = 'A';
  EXPECT_FALSE(WavStream::open(write(notWave)));
  EXPECT_FALSE(WavStream::open(write(riff({fmtChunk(3, 1, 8000, 32), chunk("data", data, 64)}))));  // float
  EXPECT_FALSE(WavStream::open(write(riff({fmtChunk(2, 1, 8000, 4), chunk("data", data, 64)}))));   // ADPCM
  EXPECT_FALSE(WavStream::open(write(wave(3, 8000, 8, data))));
  EXPECT_FALSE(WavStream::open(write(wave(1, 8000, 24, data))));
  EXPECT_FALSE(WavStream::open(write(wave(1, 0, 8, data))));
  EXPECT_FALSE(WavStream::open(write(riff({chunk("data", data, 64), fmtChunk(1, 1, 8000, 8)}))));  // data first
  EXPECT_FALSE(WavStream::open(write(riff({fmtChunk(1, 1, 8000, 8)}))));                           // no data
  EXPECT_FALSE(WavStream::open(write(riff({fmtChunk(1, 1, 8000, 8), chunk("data", data, 65)}))));  // truncated
  EXPECT_FALSE(WavStream::open(write(riff({fmtChunk(1, 1, 8000, 8), chunk("data", data, 0xFFFFFFFF)}))));
  Bytes shortFmt = riff({chunk("fmt ", Bytes(10, 1), 10), chunk("data", data, 64)});
  EXPECT_FALSE(WavStream::open(write(shortFmt)));
}

TEST(WavBlocks, EightKilobyteBlocksWithoutATinyLastOne) {
  EXPECT_EQ(nextWavBlock(0), 0);
  EXPECT_EQ(nextWavBlock(100), 100);
  EXPECT_EQ(nextWavBlock(8192), 8192);
  EXPECT_EQ(nextWavBlock(8193), 7936);
  EXPECT_EQ(nextWavBlock(8447), 7936);
  EXPECT_EQ(nextWavBlock(8448), 8192);
  EXPECT_EQ(nextWavBlock(100000), 8192);
}

TEST_F(WavFile, StreamsEveryByteInBlocks) {
  Bytes data(8192 + 8300);
  for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<unsigned char>(i * 7);
  auto stream = WavStream::open(write(wave(1, 22050, 8, data)));
  ASSERT_TRUE(stream);
  std::vector<size_t> sizes;
  Bytes all, block;
  while (stream->readBlock(block)) {
    sizes.push_back(block.size());
    all.insert(all.end(), block.begin(), block.end());
  }
  EXPECT_EQ(sizes, (std::vector<size_t>{8192, 7936, 364}));
  EXPECT_EQ(all, data);
}

TEST_F(WavFile, PlaysThroughTheMixerConvertedToTheMixFormat) {
  // 16-bit stereo at the mix rate: each output sample is the average of the pair.
  Bytes data;
  for (int i = 0; i < 4; ++i) {
    put16(data, static_cast<uint16_t>(1000 * i));
    put16(data, static_cast<uint16_t>(-3000));
  }
  auto source = makeWavSource(WavStream::open(write(wave(2, kMixRate, 16, data))));
  ASSERT_TRUE(source);
  int16_t out[16] = {};
  size_t got = 0;
  while (size_t n = source->read(out + got, 16 - got)) got += n;
  ASSERT_EQ(got, 4u);
  EXPECT_EQ(std::vector<int16_t>(out, out + 4), (std::vector<int16_t>{-1500, -1000, -500, 0}));
  EXPECT_FALSE(makeWavSource(nullptr));
}

}  // namespace
