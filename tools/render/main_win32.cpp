// velmira-render on Windows: the command line is taken as UTF-16, so that a file's Japanese name survives
// whatever the code page, and the messages go out in the console's code page.
#include <windows.h>

#include <cstdio>
#include <iostream>
#include <streambuf>

#include "platform/win32/WideText.h"
#include "tools/render/RenderCommand.h"

namespace {
// Passes the command's UTF-8 text on to a C stream in the console's code page, a line at a time.
class ConsoleCodePageBuffer : public std::streambuf {
  public:
    explicit ConsoleCodePageBuffer(FILE* to) : to_(to) {}
    ~ConsoleCodePageBuffer() override { sync(); }

  protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
        line_.push_back(traits_type::to_char_type(c));
        if (c == '\n') sync();
        return c;
    }
    int sync() override {
        if (line_.empty()) return 0;
        const std::wstring wide = widen(line_);
        line_.clear();
        UINT codePage = GetConsoleOutputCP();
        if (codePage == 0) codePage = GetACP();  // no console: the program's own code page
        const int size =
            WideCharToMultiByte(codePage, 0, wide.data(), int(wide.size()), nullptr, 0, nullptr, nullptr);
        std::string text(size_t(size > 0 ? size : 0), '\0');
        WideCharToMultiByte(codePage, 0, wide.data(), int(wide.size()), text.data(), size, nullptr, nullptr);
        std::fwrite(text.data(), 1, text.size(), to_);
        return std::fflush(to_) == 0 ? 0 : -1;
    }

  private:
    FILE* to_;
    std::string line_;
};
}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) arguments.push_back(narrow(argv[i]));
    ConsoleCodePageBuffer errors(stderr);
    std::ostream err(&errors);
    return runRenderCommand(arguments, std::cout, err);
}
