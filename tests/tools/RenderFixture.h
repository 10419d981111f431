#pragma once
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "tests/support/Steps.h"
#include "tools/render/RenderCommand.h"

inline Lines linesOf(const std::string& text) {
    Lines lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

inline RenderOptions withEffect(EffectType type, EffectWindow window = {}) {
    RenderOptions options;
    options.effect.type = type;
    options.effect.window = window;
    return options;
}

// A folder of its own per process and test, so that test runs of several builds at once do not meet.
class ScratchFolderTest : public testing::Test {
  protected:
    ScratchFolderTest() { std::filesystem::create_directories(folder); }
    ~ScratchFolderTest() override { std::filesystem::remove_all(folder); }

    std::string path(const std::string& name) const { return (folder / name).string(); }
    std::string write(const std::string& name, const std::vector<uint8_t>& bytes) const {
        std::ofstream(folder / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return path(name);
    }
    std::vector<uint8_t> read(const std::string& name) const {
        std::ifstream file(folder / name, std::ios::binary);
        return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), {});
    }
    Lines readLines(const std::string& name) const {
        const std::vector<uint8_t> bytes = read(name);
        return linesOf(std::string(bytes.begin(), bytes.end()));
    }
    // The names in the folder, sorted: what a failed output left behind.
    Lines entries() const {
        Lines names;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() /
        ("velmira-test-" + std::to_string(::getpid()) + "-" +
         testing::UnitTest::GetInstance()->current_test_info()->test_suite_name() + "-" +
         testing::UnitTest::GetInstance()->current_test_info()->name());
};

// A full disk as this process sees it, until the end of the scope: no file grows past |bytes|, and the write
// that would fails (instead of raising SIGXFSZ, which the tests ignore from then on).
struct FullDisk {
    explicit FullDisk(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old);
        const rlimit full{bytes, old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &full);
    }
    ~FullDisk() { setrlimit(RLIMIT_FSIZE, &old); }
    rlimit old{};
};

// velmira-render run in-process: standard output as lines, the exit code and standard error kept.
class RenderTest : public ScratchFolderTest {
  protected:
    Lines run(const Lines& arguments) {
        std::ostringstream out, err;
        exitCode = runRenderCommand(arguments, out, err);
        errors = err.str();
        return linesOf(out.str());
    }

    int exitCode = -1;
    std::string errors;
};
