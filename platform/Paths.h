#pragma once
#include <string>

// Paths as the program keeps them: UTF-8, with either separator ('\\' or '/'). In UTF-8 a separator byte is
// always a separator (unlike code page 932, where 0x5C can be a character's second byte), so the parts are
// split off byte-wise.

// The folder the path names a file in, without the closing separator; empty for a bare name.
std::string folderOf(const std::string& path);
// The part after the last separator; empty where the path ends in one.
std::string fileNameOf(const std::string& path);
// The text after the file name's last dot; empty when the name has none.
std::string extensionOf(const std::string& path);
