#pragma once
#include <string>

#include "images/PluginResult.h"

// The text the picture dialog shows in its OK box when an image plug-in gives no picture: the published
// GetPicture codes -1 to 8 each have their own, every other value "不明なエラー".
std::string pluginFailureText(const PluginResult& result);
