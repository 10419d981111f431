#pragma once
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

// A file written whole or not at all: the bytes go to a temporary file beside the target (same folder, so
// the rename cannot cross file systems), and only once every write went through and the file closed
// cleanly does it take the target's place. A full disk, a missing folder or a program that stops early
// leaves no file that looks complete, and an earlier file of that name stays as it was until then.
// A target that exists but is no regular file (a folder, a device, a pipe) is refused: renaming over
// it would replace the device rather than write to it. A symbolic link is followed, so that the link stays
// and the file it leads to is replaced.
//
// One thread at a time; the owner says which.
class OutputFile {
  public:
    // path is UTF-8.
    explicit OutputFile(const std::string& path);
    // An output dropped without commit() leaves nothing behind.
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Whether the temporary file could be made; false again once it was committed or dropped.
    bool isOpen() const { return !temporaryPath_.empty(); }
    // Where the bytes go until commit(); seekable, for headers filled in at the end.
    std::ofstream& stream() { return stream_; }
    const std::string& temporaryPath() const { return temporaryPath_; }

    // Closes the temporary file: true when every write and the close went through. Lets several outputs
    // be checked before any of them is put in place.
    bool complete();
    // complete(), then the rename over the target. False, with the temporary file removed, when either
    // failed; the target is then untouched.
    bool commit();
    // Drops what was written; the target stays as it was.
    void discard();

  private:
    std::string path_;
    std::string temporaryPath_;
    std::ofstream stream_;
    bool completed_ = false;
    bool good_ = false;
};

// |bytes| as the whole of the file at |path|, by way of an OutputFile. False when it could not be written.
bool writeFileWhole(const std::string& path, const std::vector<uint8_t>& bytes);

// Whether two names lead to the same file: the same file on disk when both exist, else the same path once
// made absolute and normal.
bool sameFile(const std::string& a, const std::string& b);
