#pragma once
#include <string>
#include <vector>

#include "effects/EffectSettings.h"

// The choice in the key-signature dialog: sharps, none or flats and a count, and the label that lists
// the notes it changes. The dialog's buttons call in here; the main window reads `signature()` on a try.
class KeySignatureChoice {
  public:
    explicit KeySignatureChoice(const KeySignature& initial) : signature_(initial) {}

    const KeySignature& signature() const { return signature_; }
    // The note names the signature changes: "なし" without a sign, "全て" for seven.
    std::string label() const;
    // Every text label() can give, for the room its field needs.
    static std::vector<std::string> allLabels();

    // A count button, 1-7. Without a sign no count can be chosen: false, and the button must not stay
    // checked.
    bool chooseCount(int count);
    void chooseSharps() { signature_.sign = 1; }
    void chooseFlats() { signature_.sign = -1; }
    // "なし": no sign and no count, so no count button stays checked.
    void chooseNone() { signature_ = KeySignature{}; }

  private:
    KeySignature signature_;
};
