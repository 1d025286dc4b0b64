// The button column: captions, or pictures from the working directory.
#include <filesystem>
#include <fstream>

#include "views_test_support.h"

namespace {

// A 1 x 1 pixel 24-bit Windows bitmap.
void WriteBitmap(const std::filesystem::path& file) {
  const unsigned char bytes[] = {'B', 'M', 58, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,  // file header
                                 40, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 4, 0, 0, 0,
                                 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // info header
                                 0, 0, 255, 0};                                   // one red pixel, padded
  std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

struct InFolder {
  InFolder() : home(std::filesystem::current_path()) {
    dir = std::filesystem::temp_directory_path() / ("nv-glyphs-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::filesystem::current_path(dir);
  }
  ~InFolder() {
    std::filesystem::current_path(home);
    std::filesystem::remove_all(dir);
  }
  std::filesystem::path home, dir;
};

}  // namespace

TEST(ViewButtonColumn, CaptionsWithoutPicturesAndPicturesInPlaceOfCaptions) {
  InFolder folder;
  TForm form(Application);
  auto* plain = new TCtrlBtnPanel(&form);
  EXPECT_EQ(plain->RefreshBtn->Caption(), "Refresh");
  EXPECT_EQ(plain->ClearChecksBtn->Caption(), "Clear Checks");
  EXPECT_EQ(plain->Width(), 116);
  EXPECT_FALSE(plain->AddBtn->Visible());

  WriteBitmap(folder.dir / "Get.bmp");
  WriteBitmap(folder.dir / "Close.bmp");
  auto* pictured = new TCtrlBtnPanel(&form);
  EXPECT_EQ(pictured->RefreshBtn->Caption(), "");
  EXPECT_FALSE(pictured->RefreshBtn->Glyph->Empty());
  EXPECT_EQ(pictured->CloseBtn->Caption(), "");
  EXPECT_EQ(pictured->EditBtn->Caption(), "Edit");
  EXPECT_EQ(pictured->StopBtn->Caption(), "Stop");

  // A picture that does not load ends the search: later buttons keep their captions.
  std::ofstream(folder.dir / "Add.bmp") << "not a picture";
  auto* broken = new TCtrlBtnPanel(&form);
  EXPECT_EQ(broken->RefreshBtn->Caption(), "");
  EXPECT_EQ(broken->AddBtn->Caption(), "Add");
  EXPECT_EQ(broken->CloseBtn->Caption(), "Close");
}
