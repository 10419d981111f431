#include "playback/OutputFile.h"

#include <atomic>
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <filesystem>

#include "platform/AsciiCase.h"

namespace fs = std::filesystem;

namespace {
// A name beside the target that no other writer picks: two programs writing the same file each write
// their own temporary one, and the last rename wins with a whole file.
fs::path temporaryBeside(const fs::path& target) {
    static std::atomic<uint32_t> counter{0};
    const uint64_t clock = uint64_t(std::chrono::steady_clock::now().time_since_epoch().count());
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[40];
        std::snprintf(suffix, sizeof suffix, ".%08" PRIx32 "%04" PRIx32 ".part",
                      uint32_t(clock ^ (clock >> 32)), uint32_t(counter++ & 0xFFFF));
        fs::path candidate = target;
        candidate += suffix;
        std::error_code noThrow;
        if (!fs::exists(fs::symlink_status(candidate, noThrow))) return candidate;
    }
    return {};
}

// A path as names are compared: Windows' file names are the same file whatever the case of their letters.
std::string comparable(const fs::path& path) {
    const std::string text = path.lexically_normal().u8string();
#ifdef _WIN32
    return lowerAscii(text);
#else
    return text;
#endif
}
}  // namespace

OutputFile::OutputFile(const std::string& path) {
    if (path.empty()) return;
    fs::path target = fs::u8path(path);
    std::error_code noThrow;
    if (fs::exists(fs::symlink_status(target, noThrow))) {
        target = fs::canonical(target, noThrow);  // a link that leads nowhere is refused here
        if (noThrow || !fs::is_regular_file(target, noThrow)) return;
    }
    path_ = target.u8string();
    const fs::path temporary = temporaryBeside(target);
    if (temporary.empty()) return;
    temporaryPath_ = temporary.u8string();
    stream_.open(temporary, std::ios::binary | std::ios::trunc);
    if (!stream_.is_open()) temporaryPath_.clear();
}

OutputFile::~OutputFile() {
    if (!temporaryPath_.empty()) discard();
}

bool OutputFile::complete() {
    if (completed_) return good_;
    stream_.flush();
    stream_.close();  // a stream that never opened fails here too
    completed_ = true;
    good_ = !stream_.fail();
    return good_;
}

bool OutputFile::commit() {
    if (!complete()) {
        discard();
        return false;
    }
    std::error_code failed;
    fs::rename(fs::u8path(temporaryPath_), fs::u8path(path_), failed);
    if (failed) {
        discard();
        return false;
    }
    temporaryPath_.clear();
    return true;
}

void OutputFile::discard() {
    if (stream_.is_open()) stream_.close();
    good_ = false;
    if (temporaryPath_.empty()) return;
    std::error_code noThrow;
    fs::remove(fs::u8path(temporaryPath_), noThrow);
    temporaryPath_.clear();
}

bool writeFileWhole(const std::string& path, const std::vector<uint8_t>& bytes) {
    OutputFile file(path);
    file.stream().write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return file.commit();
}

bool sameFile(const std::string& a, const std::string& b) {
    std::error_code noThrow;
    const fs::path first = fs::absolute(fs::u8path(a), noThrow);
    const fs::path second = fs::absolute(fs::u8path(b), noThrow);
    if (fs::equivalent(first, second, noThrow)) return true;
    std::error_code firstFailed, secondFailed;
    const fs::path firstWhole = fs::weakly_canonical(first, firstFailed);
    const fs::path secondWhole = fs::weakly_canonical(second, secondFailed);
    if (firstFailed || secondFailed) return comparable(first) == comparable(second);
    return comparable(firstWhole) == comparable(secondWhole);
}
