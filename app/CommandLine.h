#pragma once
#include <functional>
#include <string>
#include <vector>

// The command line of velmira.exe: [/play] [/out:OUTPUT] [/in:replay=FILE] [SONG.mid], where OUTPUT is
// "null" (a silent output) or "record=FILE" (every message written to FILE), and /in:replay plays FILE's
// lines of recorded MIDI input in as if a keyboard sent them. Switches are matched without regard to case,
// as Windows programs do; an argument naming an existing file is the song even when it starts with "/".
// Paths are UTF-8 and kept as given.
enum class MidiOutputChoice { midiMapper, silent, recordToFile };

struct CommandLine {
    bool play = false;  // start playback once the song is open
    MidiOutputChoice output = MidiOutputChoice::midiMapper;
    std::string recordPath;  // for recordToFile
    std::string songPath;    // empty: start without a song
    std::string replayPath;  // empty: no recorded input
};

struct CommandLineResult {
    enum Problem {
        none,
        badSwitch,    // unknown switch, bad /out value, a second song, a missing input: message, then end
        songMissing,  // the song is not there: message, then start without it
    };
    CommandLine line;
    Problem problem = none;
    std::string message;  // the message box's text when there is a problem

    bool endProgram() const { return problem == badSwitch; }
};

// The exit code of a command line that was not understood.
constexpr int badCommandLineExitCode = 2;

using FileExists = std::function<bool(const std::string& utf8Path)>;
bool fileExistsOnDisk(const std::string& utf8Path);

// arguments: the command line without the program's name, split as Windows splits it.
CommandLineResult parseCommandLine(const std::vector<std::string>& arguments,
                                   const FileExists& exists = fileExistsOnDisk);
