#pragma once
#include <optional>
#include <string>
#include <vector>

#include "app/SettingsPort.h"
#include "effects/EffectHost.h"

// Ports of the main window that a test does not look at: no effect dialog opens, the current folder is
// a fixed one, the history is shown nowhere and every question is answered No.
class IdleEffectDialogs : public EffectDialogPort {
  public:
    void showRefusal(EffectTimeRefusal) override {}
    std::optional<int32_t> askEffectTime(const EffectTimeQuestion&) override { return std::nullopt; }
    void openKeySignatureDialog(const KeySignature&) override {}
    void openPitchDialog(const PitchMap&) override {}
    void enableCloseCommand(bool) override {}
};

class IdleSettingsWindow : public SettingsPort {
  public:
    std::string currentFolder() override { return "C:\\songs"; }
    bool setCurrentFolder(const std::string&) override { return true; }
    void showHistoryItems(const std::vector<HistoryMenuItem>&) override {}
    bool askYesNo(const std::string&) override { return false; }
};
