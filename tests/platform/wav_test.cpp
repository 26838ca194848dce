#include "platform/sound/wav.h"

#include <gtest/gtest.h>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/sound/mixer.h"
#include "platform/temp_dir.h"
#include "platform/wav_builder.h"

namespace {

using namespace wavtest;

class WavFile : public ::testing::Test {
 protected:
  void SetUp() override { dir_ = makeTempDir("wav"); }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::string write(const Bytes& bytes) {
    const std::string path = dir_ + "/f" + std::to_string(count_++) + ".wav";
    writeBytes(path, bytes);
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
