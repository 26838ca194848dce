// The recording reader on a file holding the input, converting what it plays to the
// mix format as playback does.
#include "platform/sound/pcm.h"
#include "platform/sound/wav.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::unique_ptr<WavStream> wav = WavStream::open(fuzzInputFile(data, size));
  if (!wav) return 0;
  PcmConverter converter(wav->info().format);
  std::vector<unsigned char> block;
  Samples samples;
  while (wav->readBlock(block) && !block.empty()) {
    samples.clear();
    converter.convert(block.data(), block.size(), samples);
  }
  converter.finish(samples);
  return 0;
}
