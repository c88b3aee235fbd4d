// The score file on Windows: read bounded, written to a temporary file that
// is flushed to the disk and then moved over the old one.
#include <windows.h>

#include "scores/line_file.h"

namespace pelmora {

namespace {

// A score file is four short lines; anything this large is not one.
constexpr LONGLONG MaxFileBytes = 1 << 20;

struct FileHandle {
    HANDLE handle;
    ~FileHandle() {
        if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
    }
};

bool writeAll(HANDLE file, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD wrote = 0;
        const DWORD chunk = static_cast<DWORD>(bytes.size() - done);
        if (!WriteFile(file, bytes.data() + done, chunk, &wrote, nullptr) || wrote == 0) return false;
        done += wrote;
    }
    return true;
}

bool writeFlushed(const std::string& path, const std::string& bytes) {
    FileHandle file{CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (file.handle == INVALID_HANDLE_VALUE) return false;
    return writeAll(file.handle, bytes) && FlushFileBuffers(file.handle) != 0;
}

}  // namespace

// A write past a quota fails as a write here: no signal to ignore.
void ignoreFileSizeSignal() {}

// Only an ordinary file of plausible size is read; shared, as other
// programs may hold it open.
bool LineFile::load() {
    FileHandle file{CreateFileA(fileName.c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (file.handle == INVALID_HANDLE_VALUE) return false;
    if (GetFileType(file.handle) != FILE_TYPE_DISK) return false;
    BY_HANDLE_FILE_INFORMATION about{};
    if (!GetFileInformationByHandle(file.handle, &about)) return false;
    if ((about.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return false;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.handle, &size) || size.QuadPart > MaxFileBytes) return false;
    std::string text(static_cast<size_t>(size.QuadPart), '\0');
    DWORD got = 0;
    if (!text.empty() &&
        (!ReadFile(file.handle, text.data(), static_cast<DWORD>(text.size()), &got, nullptr))) {
        return false;
    }
    text.resize(got);
    lines = splitLines(text);
    return true;
}

// The temporary file has one fixed name beside the target, so a write cut
// short leaves at most that one file behind, replaced by the next.
bool replaceFileAtomically(const std::string& path, const std::string& bytes) {
    const std::string temp = path + TempFileSuffix;
    if (!writeFlushed(temp, bytes) ||
        !MoveFileExA(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileA(temp.c_str());
        return false;
    }
    return true;
}

}  // namespace pelmora
