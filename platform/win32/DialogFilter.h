#pragma once
#include <string>

// A file dialog's filter as the program writes it, "description|pattern|" pairs, in the form the common
// dialogs take: "description\0pattern\0" pairs and a closing "\0".
std::wstring dialogFilter(const std::string& filter);
