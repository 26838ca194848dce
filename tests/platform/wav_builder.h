#pragma once
// Builds WAVE files byte by byte, good ones and broken ones, for the tests.
#include <fstream>
#include <string>
#include <vector>

namespace wavtest {

using Bytes = std::vector<unsigned char>;

inline void put16(Bytes& b, unsigned v) {
  b.push_back(static_cast<unsigned char>(v));
  b.push_back(static_cast<unsigned char>(v >> 8));
}
inline void put32(Bytes& b, unsigned long v) {
  put16(b, v & 0xFFFF);
  put16(b, v >> 16);
}
inline void putTag(Bytes& b, const char* tag) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<unsigned char>(tag[i]));
}

inline Bytes fmtChunk(unsigned tag, unsigned channels, unsigned long rate, unsigned bits) {
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

inline Bytes chunk(const char* tag, const Bytes& body, unsigned long declared) {
  Bytes b;
  putTag(b, tag);
  put32(b, declared);
  b.insert(b.end(), body.begin(), body.end());
  return b;
}

inline Bytes riff(const std::vector<Bytes>& chunks) {
  Bytes body;
  putTag(body, "WAVE");
  for (const Bytes& c : chunks) body.insert(body.end(), c.begin(), c.end());
  Bytes b;
  putTag(b, "RIFF");
  put32(b, body.size());
  b.insert(b.end(), body.begin(), body.end());
  return b;
}

inline Bytes wave(unsigned channels, unsigned long rate, unsigned bits, const Bytes& data) {
  return riff({fmtChunk(1, channels, rate, bits), chunk("data", data, data.size())});
}

inline void writeBytes(const std::string& path, const Bytes& bytes) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
}

}  // namespace wavtest
