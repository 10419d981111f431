#pragma once
// The preview panel under the open dialog; nothing but #defines (the resource compiler reads it).
#define IDD_FILE_PREVIEW 101
#define IDC_PREVIEW_AREA 1035
#define IDC_PREVIEW_SIZE 1005
#define IDC_PREVIEW_CHECK 1014
// stc32: where the open dialog puts its own controls beside the panel.
#define IDC_STANDARD_CONTROLS 1119
