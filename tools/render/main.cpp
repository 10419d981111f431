#include <iostream>

#include "tools/render/RenderCommand.h"

int main(int argc, char** argv) {
    return runRenderCommand(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
