#include "levels/AtomicFile.h"
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <random>

namespace fs = std::filesystem;

namespace {

constexpr size_t SUFFIX_LENGTH = 6;
constexpr size_t MAX_PID_DIGITS = 10;
constexpr int NAME_ATTEMPTS = 100;

std::string TemporaryPrefix(const std::string& target) { return "." + target + ".tmp-"; }

// The process id written into a temporary's name, or 0 when name is not a
// temporary of target.
pid_t WriterOf(const std::string& name, const std::string& target)
{
    std::string prefix = TemporaryPrefix(target);
    if (name.compare(0, prefix.size(), prefix) != 0) return 0;
    std::string rest = name.substr(prefix.size());
    size_t dash = rest.find('-');
    if (dash == 0 || dash == std::string::npos || dash > MAX_PID_DIGITS) return 0;
    if (rest.size() != dash + 1 + SUFFIX_LENGTH) return 0;
    for (size_t i = 0; i < rest.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(rest[i]);
        bool ok = i < dash ? std::isdigit(c) : i == dash || std::isalnum(c);
        if (!ok) return 0;
    }
    long long pid = std::stoll(rest.substr(0, dash));
    return pid > 0 && pid <= INT32_MAX ? static_cast<pid_t>(pid) : 0;
}

// Another process that may be writing its temporary right now.
bool IsOtherRunningProcess(pid_t pid)
{
    if (pid == ::getpid()) return false;
    return ::kill(pid, 0) == 0 || errno == EPERM;
}

// Temporaries of target whose writer was killed before it could rename or
// remove them.
void RemoveLeftovers(const fs::path& folder, const std::string& target)
{
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        pid_t writer = WriterOf(it->path().filename().string(), target);
        if (writer > 0 && !IsOtherRunningProcess(writer)) fs::remove(it->path(), ec);
    }
}

std::string RandomSuffix()
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    static std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<size_t> pick(0, sizeof letters - 2);
    std::string suffix;
    for (size_t i = 0; i < SUFFIX_LENGTH; ++i) suffix += letters[pick(random)];
    return suffix;
}

// Creates a new temporary beside the target; never opens an existing file.
int CreateTemporary(const fs::path& folder, const std::string& target, std::string& temp)
{
    std::string stem = TemporaryPrefix(target) + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < NAME_ATTEMPTS; ++attempt) {
        temp = (folder / (stem + RandomSuffix())).string();
        int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// An existing file is replaced only where opening it for writing would
// work: a folder or a file without write permission is refused. mode gets
// the existing file's permissions, or 0 when there is no file yet.
bool MayReplace(const std::string& path, mode_t& mode)
{
    struct stat st {};
    mode = 0;
    if (::stat(path.c_str(), &st) != 0) return errno == ENOENT;
    if (S_ISDIR(st.st_mode)) return false;
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return false;
    if (::access(path.c_str(), W_OK) != 0) return false;
    mode = st.st_mode & 07777;
    return true;
}

bool WriteAll(int fd, const std::string& bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

// The rename is on disk only once the folder is.
void SyncFolder(const fs::path& folder)
{
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

bool IsTemporaryOf(const std::string& name, const std::string& target) { return WriterOf(name, target) > 0; }

bool WriteFileAtomically(const std::string& path, const std::string& bytes)
{
    fs::path target(path);
    fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string name = target.filename().string();
    mode_t mode = 0;
    if (name.empty() || !MayReplace(path, mode)) return false;

    RemoveLeftovers(folder, name);
    std::string temp;
    int fd = CreateTemporary(folder, name, temp);
    if (fd < 0) return false;
    bool ok = WriteAll(fd, bytes);
    if (ok && mode) ok = ::fchmod(fd, mode) == 0;
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (ok && std::rename(temp.c_str(), path.c_str()) == 0) {
        SyncFolder(folder);
        return true;
    }
    std::remove(temp.c_str());
    return false;
}
