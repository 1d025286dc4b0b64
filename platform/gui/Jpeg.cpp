#include "Jpeg.h"

#include <csetjmp>
#include <cstdio>
#include <fstream>
#include <iterator>

#include <jpeglib.h>

namespace {

// libjpeg's default error handler ends the process; ours jumps back to the decoder.
struct ErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
};

void ErrorExit(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

void NoMessages(j_common_ptr, int) {}

}  // namespace

bool DecodeJpeg(const unsigned char* data, std::size_t size, TRgbPixels& pixels) {
  pixels = TRgbPixels();
  if (!data || size == 0) return false;

  jpeg_decompress_struct info;
  ErrorManager error;
  info.err = jpeg_std_error(&error.pub);
  error.pub.error_exit = ErrorExit;
  error.pub.emit_message = NoMessages;
  // Nothing with a destructor may be created between here and the last libjpeg call.
  unsigned char* out = nullptr;
  if (setjmp(error.jump)) {
    jpeg_destroy_decompress(&info);
    pixels = TRgbPixels();
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  pixels.Width = static_cast<int>(info.output_width);
  pixels.Height = static_cast<int>(info.output_height);
  pixels.Bytes.resize(static_cast<std::size_t>(info.output_width) * info.output_height * 3);
  out = pixels.Bytes.data();
  const std::size_t stride = static_cast<std::size_t>(info.output_width) * 3;
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = out + static_cast<std::size_t>(info.output_scanline) * stride;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

bool DecodeJpegFile(const std::string& fileName, TRgbPixels& pixels) {
  std::ifstream in(fileName, std::ios::binary);
  if (!in) {
    pixels = TRgbPixels();
    return false;
  }
  std::vector<unsigned char> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return DecodeJpeg(data.data(), data.size(), pixels);
}
