#include "app/HelpMenu.h"

#include "resources/CommandIds.h"

const char* const HelpMenu::unavailableText =
    "ヘルプファイル velmira.chm を開けませんでした。\nプログラムと同じフォルダにあるか確認して下さい。";

bool HelpMenu::handles(int id) const {
    return id == IDM_HELP_SEARCH;
}

void HelpMenu::run(int) {
    if (!dialogs_.openHelpSearch()) window_.showMessage(unavailableText);
}
