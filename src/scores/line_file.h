// A small text file held as lines, read with either line end and written
// whole with CR LF line ends, the bytes the score file has always had.
#pragma once

#include <string>
#include <vector>

namespace pelmora {

struct LineFile {
    std::string fileName;
    std::vector<std::string> lines;

    // False when the file is missing, unreadable, not a regular file or
    // implausibly large.
    bool load();
    std::string joinLines() const;
    void clearLines() { lines.clear(); }
    void appendLines(const std::vector<std::string>& more);
    // Writes a temporary file beside the target (beside the file a link
    // points to), flushes it to disk and renames it over the target, so a
    // failure leaves the old file whole.
    bool save() const;
};

// Writes bytes to path atomically; false (and the old file untouched) on any failure.
// Each system has its own way to do it.
bool replaceFileAtomically(const std::string& path, const std::string& bytes);

// The one temporary file a save writes beside its target, on every system:
// "scoredata.xml.tmp".
constexpr const char* TempFileSuffix = ".tmp";

// From here on a write past the process's file-size limit fails as a write
// instead of ending the program: the save's, the message that follows a
// failed save, and any library's line to standard error. The program calls
// it first thing; the save calls it too. Nothing to do where the system
// has no such signal.
void ignoreFileSizeSignal();

// The lines of a text, each without its LF or CR LF end.
std::vector<std::string> splitLines(const std::string& text);

}  // namespace pelmora
