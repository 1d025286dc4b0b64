// The pictures of the window layouts: JPEG files in "resources", drawn by scripts/panel-pictures.
#pragma once

#include <string>

class TImage;

// Where the pictures are: "resources" beside the program's folder (build tree) or inside it
// (installed).
std::string PanelResourcePath(const std::string& name);
// The picture into the image; a missing or unreadable file leaves the image empty, unreported.
void LoadLayoutPicture(TImage* image, const std::string& name);
