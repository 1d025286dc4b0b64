#include "Jpeg.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <jpeglib.h>
#include <unistd.h>

namespace {

// A width x height picture whose left half is red and right half blue, encoded by libjpeg.
std::vector<unsigned char> EncodeTwoColours(int width, int height) {
  std::vector<unsigned char> rgb(static_cast<size_t>(width) * height * 3);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      unsigned char* p = &rgb[(static_cast<size_t>(y) * width + x) * 3];
      p[0] = x < width / 2 ? 255 : 0;
      p[2] = x < width / 2 ? 0 : 255;
    }
  jpeg_compress_struct info;
  jpeg_error_mgr err;
  info.err = jpeg_std_error(&err);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = width;
  info.image_height = height;
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 100, TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = &rgb[static_cast<size_t>(info.next_scanline) * width * 3];
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::vector<unsigned char> out(buffer, buffer + size);
  std::free(buffer);
  return out;
}

void ExpectNear(const TRgbPixels& px, int x, int y, int r, int g, int b) {
  const unsigned char* p = &px.Bytes[(static_cast<size_t>(y) * px.Width + x) * 3];
  EXPECT_NEAR(p[0], r, 24) << x << "," << y;
  EXPECT_NEAR(p[1], g, 24) << x << "," << y;
  EXPECT_NEAR(p[2], b, 24) << x << "," << y;
}

TEST(Jpeg, DecodesAFileIntoRgbRowsFromTheTop) {
  std::vector<unsigned char> data = EncodeTwoColours(32, 16);
  std::filesystem::path file =
      std::filesystem::temp_directory_path() / ("nv-jpeg-" + std::to_string(::getpid()) + ".jpg");
  std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(data.data()), data.size());

  TRgbPixels px;
  ASSERT_TRUE(DecodeJpegFile(file.string(), px));
  std::filesystem::remove(file);
  EXPECT_EQ(px.Width, 32);
  EXPECT_EQ(px.Height, 16);
  ASSERT_EQ(px.Bytes.size(), 32u * 16u * 3u);
  ExpectNear(px, 2, 2, 255, 0, 0);
  ExpectNear(px, 29, 13, 0, 0, 255);
}

TEST(Jpeg, DataThatIsNoJpegIsRefusedWithoutEndingTheProgram) {
  std::vector<unsigned char> data = EncodeTwoColours(16, 16);
  TRgbPixels px;
  const unsigned char junk[] = "not a picture at all";
  EXPECT_FALSE(DecodeJpeg(junk, sizeof junk, px));
  EXPECT_FALSE(DecodeJpeg(data.data(), 20, px));  // the header cut short
  EXPECT_TRUE(px.Bytes.empty());
  EXPECT_FALSE(DecodeJpegFile("/nonexistent/picture.jpg", px));
}

}  // namespace
