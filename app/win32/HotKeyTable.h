#pragma once
#include <windows.h>

// The accelerator table of the hot keys, built from hotKeyBindings so the keys and their commands are
// written down once. The caller destroys it with DestroyAcceleratorTable.
HACCEL createHotKeyTable();
