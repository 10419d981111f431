#pragma once
#include <string>

#include "generators/GeneratorError.h"

// What the window shows, and the renderer prints, when a sound generator made no song; empty for a
// refusal that is silent.
std::string generatorFailureText(GeneratorError error);
