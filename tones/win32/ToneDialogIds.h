#pragma once

// The tone dialog's resource and control ids. The dialog resource uses them too, so this header holds
// nothing but #defines (the resource compiler reads it).
#define IDD_TONE_DIALOG 102
#define IDC_TONE_LIST 1001
#define IDC_TONE_LABEL 1002
