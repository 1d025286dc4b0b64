// File names are written as the hosting suite writes them, with "\" between folders
// ("errmsg\common.err", "..\Conf\MBF\", "\Get.bmp"); this maps such a text to a path of this
// platform just before a file is opened.
#pragma once

#include <string>

// Every "\" becomes "/"; nothing else changes.
std::string PlatformPath(const std::string& text);
