// The JPEG writer over libjpeg(-turbo) with jpeg_set_defaults and nothing changed. The
// library's error handler would end the process; ours jumps back instead. Output goes
// through a small destination manager that hands each full buffer to the sink.
#include <cstdio>  // jpeglib.h needs FILE declared first

#include <jpeglib.h>

#include <csetjmp>
#include <cstdint>
#include <memory>
#include <vector>

#include "render/image_writer.h"

namespace {

constexpr size_t kBufferSize = 16384;

struct JpegTarget {
  jpeg_destination_mgr manager;
  const ByteSink* sink;
  JOCTET buffer[kBufferSize];
  bool failed = false;
};

struct JpegError {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

void jpegFail(j_common_ptr info) { std::longjmp(reinterpret_cast<JpegError*>(info->err)->jump, 1); }

void jpegQuiet(j_common_ptr, int) {}

void jpegInit(j_compress_ptr info) {
  auto* target = reinterpret_cast<JpegTarget*>(info->dest);
  target->manager.next_output_byte = target->buffer;
  target->manager.free_in_buffer = kBufferSize;
}

boolean jpegEmpty(j_compress_ptr info) {
  auto* target = reinterpret_cast<JpegTarget*>(info->dest);
  if (!(*target->sink)(target->buffer, kBufferSize)) {
    target->failed = true;
    info->err->error_exit(reinterpret_cast<j_common_ptr>(info));
  }
  jpegInit(info);
  return TRUE;
}

void jpegTerm(j_compress_ptr info) {
  auto* target = reinterpret_cast<JpegTarget*>(info->dest);
  const size_t used = kBufferSize - target->manager.free_in_buffer;
  if (used > 0 && !(*target->sink)(target->buffer, used)) {
    target->failed = true;
    info->err->error_exit(reinterpret_cast<j_common_ptr>(info));
  }
}

}  // namespace

bool writeJpeg(const PixelView& image, const ByteSink& sink) {
  if (image.width <= 0 || image.height <= 0 || image.width > JPEG_MAX_DIMENSION ||
      image.height > JPEG_MAX_DIMENSION) {
    return false;
  }
  std::vector<JSAMPLE> row(static_cast<size_t>(image.width) * 3);
  auto target = std::make_unique<JpegTarget>();
  target->sink = &sink;
  target->manager.init_destination = jpegInit;
  target->manager.empty_output_buffer = jpegEmpty;
  target->manager.term_destination = jpegTerm;

  jpeg_compress_struct info{};
  JpegError error{};
  info.err = jpeg_std_error(&error.manager);
  error.manager.error_exit = jpegFail;
  error.manager.emit_message = jpegQuiet;
  if (setjmp(error.jump)) {
    jpeg_destroy_compress(&info);
    return false;
  }
  jpeg_create_compress(&info);
  info.dest = &target->manager;
  info.image_width = static_cast<JDIMENSION>(image.width);
  info.image_height = static_cast<JDIMENSION>(image.height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    const int y = static_cast<int>(info.next_scanline);
    copyRgbRow(image, y, row.data());
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return !target->failed;
}
