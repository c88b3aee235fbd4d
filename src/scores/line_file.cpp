// The score file on a POSIX file system: a bounded read of regular files
// only, and a save through one fixed temporary file renamed over the target.
#include "scores/line_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>

namespace pelmora {

namespace {

// A score file is four short lines; anything this large is not one.
constexpr size_t MaxFileBytes = 1 << 20;
// As many links as the system itself follows before giving up.
constexpr int MaxLinkHops = 40;

std::string folderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

// The file a chain of symbolic links ends at, which need not exist yet, so
// a player's link into a synced folder stays a link.
bool linkTarget(const std::string& path, std::string& target) {
    target = path;
    for (int hop = 0; hop < MaxLinkHops; ++hop) {
        struct stat st {};
        if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return true;
        char buffer[PATH_MAX];
        const ssize_t n = ::readlink(target.c_str(), buffer, sizeof buffer);
        if (n <= 0 || static_cast<size_t>(n) >= sizeof buffer) return false;
        const std::string next(buffer, static_cast<size_t>(n));
        const bool relative = next[0] != '/' && target.find('/') != std::string::npos;
        target = relative ? folderOf(target) + next : next;
    }
    return false;
}

// Stops one byte past the cap, so a file that grew after its size was
// checked still costs no more than that.
bool readAll(int fd, std::string& text) {
    char chunk[4096];
    text.clear();
    while (text.size() <= MaxFileBytes) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) return true;
        text.append(chunk, static_cast<size_t>(n));
    }
    return false;
}

// Only a regular file is read: a device never ends and a FIFO would block
// start-up until someone writes to it.
bool readScoreFile(const std::string& path, std::string& text) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
              static_cast<uint64_t>(st.st_size) <= MaxFileBytes && readAll(fd, text);
    ::close(fd);
    return ok;
}

bool writeAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

// One fixed name, so an interrupted save leaves at most one file behind and
// the next save takes it over. Whatever sits there is removed first, so a
// link planted under that name is never written through.
bool writeTemp(const std::string& temp, const std::string& bytes) {
    if (::unlink(temp.c_str()) != 0 && errno != ENOENT) return false;
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    // A score file is an ordinary one, whatever the umask.
    bool ok = ::fchmod(fd, 0644) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    return ok;
}

}  // namespace

void ignoreFileSizeSignal() {
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    ::sigaction(SIGXFSZ, &ignore, nullptr);
}

bool LineFile::load() {
    std::string text;
    if (!readScoreFile(fileName, text)) return false;
    lines = splitLines(text);
    return true;
}

bool replaceFileAtomically(const std::string& path, const std::string& bytes) {
    std::string target;
    if (!linkTarget(path, target)) return false;
    const std::string temp = target + TempFileSuffix;
    ignoreFileSizeSignal();
    if (!writeTemp(temp, bytes) || std::rename(temp.c_str(), target.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    // Make the rename itself durable.
    const int dir = ::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

}  // namespace pelmora
