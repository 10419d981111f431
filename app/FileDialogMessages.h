#pragma once
#include <string>

#include "images/FileDialogFailure.h"

// The texts of the open dialog's message boxes; handed to the dialog as its FileDialogWording.
std::string fileDialogFailureText(const FileDialogFailure& failure);
