#pragma once
#include <string>

#include "effects/EffectTimeQuestion.h"

// The texts the program shows when "効果時間" refuses.
std::string effectTimeRefusalText(EffectTimeRefusal refusal);
