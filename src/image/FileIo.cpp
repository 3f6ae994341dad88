// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/FileIo.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tlv {

namespace {

std::string ErrorText(int errorNumber) {
    return std::generic_category().message(errorNumber);
}

// Closes a descriptor once, on every path out of a function.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Returns 0 or the errno of the close.
    int close() {
        if (fd_ < 0) return 0;
        int result = ::close(fd_);
        fd_ = -1;
        return result == 0 ? 0 : errno;
    }

  private:
    int fd_;
};

int InjectedError(const WriteFault& fault, WriteStep step) {
    return fault ? fault(step) : 0;
}

void Report(const WriteReport& report, WriteStep step) {
    if (report) report(step);
}

// Flushes the file's content to the disk; 0 or the errno of fsync. Reported as the flush step
// only once the system has done it, so that a test sees it before the rename.
int FlushToDisk(int fd, const WriteReport& report) {
    if (::fsync(fd) != 0) return errno;
    Report(report, WriteStep::Flush);
    return 0;
}

int WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// Makes the rename itself durable. Best effort: some file systems refuse to sync a folder.
void SyncFolder(const std::filesystem::path& folder) {
    Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.valid()) ::fsync(fd.get());
}

// ".NAME.tmpPID-N" for a replacement, ".NAME.copyPID-N" for the safety copy of an in-place
// write: hidden, beside the target, named after the process that made them.
std::filesystem::path SideFileName(const std::filesystem::path& target, const char* kind) {
    static std::atomic<unsigned> counter{0};
    std::string name = ".";
    name += target.filename().string();
    name += kind;
    name += std::to_string(::getpid());
    name += '-';
    name += std::to_string(counter++);
    return target.parent_path() / name;
}

// Creates a new side file (never an existing one); -1 with errno on failure.
int CreateSideFile(const std::filesystem::path& target, const char* kind, mode_t mode,
                   std::filesystem::path& made) {
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        made = SideFileName(target, kind);
        fd = ::open(made.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd < 0 && errno != EEXIST) break;
    }
    return fd;
}

// The process number in a name ".NAME.tmpPID-N", or 0 when the name is not of that form.
long TemporaryOwner(const std::string& name) {
    if (name.size() < 2 || name[0] != '.') return 0;
    const std::size_t dash = name.rfind('-');
    const std::size_t mark = name.rfind(".tmp", dash);
    if (dash == std::string::npos || mark == std::string::npos || mark == 0) return 0;
    auto digits = [](std::string_view text) {
        return !text.empty() && text.size() <= 9 &&
               text.find_first_not_of("0123456789") == std::string_view::npos;
    };
    std::string_view view(name);
    std::string_view pid = view.substr(mark + 4, dash - mark - 4);
    if (!digits(pid) || !digits(view.substr(dash + 1))) return 0;
    return std::stol(std::string(pid));
}

// A replacement interrupted by the end of its process (killed, a power cut) leaves its
// temporary file behind. Those of ended processes are removed from the folder; a temporary
// younger than a minute is left alone, since in a folder shared over the network its process
// may run on another machine.
void RemoveStaleTemporaries(const std::filesystem::path& folder) {
    std::error_code error;
    const auto now = std::filesystem::file_time_type::clock::now();
    for (auto it = std::filesystem::directory_iterator(folder, error);
         !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        const std::string name = it->path().filename().string();
        const long pid = TemporaryOwner(name);
        if (pid <= 0 || pid == ::getpid()) continue;
        if (::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH) continue;
        std::error_code ignored;
        if (!it->is_regular_file(ignored) || ignored) continue;
        const auto modified = it->last_write_time(ignored);
        if (ignored || now - modified < std::chrono::minutes(1)) continue;
        ::unlink(it->path().c_str());
    }
}

// Writes the whole of `bytes` at the start of the open file and cuts it there.
int OverwriteFile(int fd, std::string_view bytes) {
    if (::lseek(fd, 0, SEEK_SET) < 0) return errno;
    if (int error = WriteAll(fd, bytes)) return error;
    if (::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0) return errno;
    return 0;
}

// A file with more than one name (hard links) is written in place, so that every name shows
// the new content: the old content goes to a safety copy first, which is removed once the file
// is written and flushed. When the write fails, the old content is put back; if even that
// fails, the copy stays and the reason names it.
FileStatus WriteInPlace(const std::filesystem::path& target, const struct stat& info,
                        std::string_view bytes, const WriteFault& fault,
                        const WriteReport& report) {
    std::string old;
    FileStatus read = ReadFileHead(target.string(), static_cast<std::size_t>(info.st_size), old);
    if (!read.ok) return read;
    int error = InjectedError(fault, WriteStep::CreateTemporary);
    if (error != 0) return FileStatus::Failure(error);
    std::filesystem::path copy;
    Descriptor copyFile(CreateSideFile(target, ".copy", 0600, copy));
    if (!copyFile.valid()) return FileStatus::Failure(errno);
    Report(report, WriteStep::CreateTemporary);
    error = WriteAll(copyFile.get(), old);
    if (error == 0 && ::fsync(copyFile.get()) != 0) error = errno;
    if (error == 0) error = copyFile.close();
    if (error != 0) {
        ::unlink(copy.c_str());
        return FileStatus::Failure(error);
    }

    Descriptor file(::open(target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC));
    if (!file.valid()) {
        error = errno;
        ::unlink(copy.c_str());
        return FileStatus::Failure(error);
    }
    error = InjectedError(fault, WriteStep::Write);
    if (error == 0 && (error = OverwriteFile(file.get(), bytes)) == 0)
        Report(report, WriteStep::Write);
    if (error == 0 && (error = InjectedError(fault, WriteStep::Flush)) == 0)
        error = FlushToDisk(file.get(), report);
    if (error == 0) error = file.close();
    if (error == 0) {
        ::unlink(copy.c_str());
        SyncFolder(target.parent_path());
        return FileStatus::Success();
    }
    FileStatus failure = FileStatus::Failure(error);
    if (file.valid() && OverwriteFile(file.get(), old) == 0 && ::fsync(file.get()) == 0 &&
        file.close() == 0) {
        ::unlink(copy.c_str());
    } else {
        failure.reason += " (" + copy.string() + ")";
    }
    return failure;
}

} // namespace

FileStatus FileStatus::Failure(int errorNumber) {
    return {false, ErrorText(errorNumber)};
}

FileStatus ReadFileHead(const std::string& path, std::size_t maxBytes, std::string& bytes) {
    bytes.clear();
    // O_NONBLOCK: opening a pipe must not wait for a writer.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!fd.valid()) return FileStatus::Failure(errno);
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) return FileStatus::Failure(errno);
    if (S_ISDIR(info.st_mode)) return FileStatus::Failure(EISDIR);
    if (!S_ISREG(info.st_mode)) return FileStatus::Failure(std::string("Not a regular file"));

    bytes.resize(maxBytes);
    std::size_t have = 0;
    while (have < maxBytes) {
        ssize_t got = ::read(fd.get(), bytes.data() + have, maxBytes - have);
        if (got < 0) {
            if (errno == EINTR) continue;
            int error = errno;
            bytes.clear();
            return FileStatus::Failure(error);
        }
        if (got == 0) break;
        have += static_cast<std::size_t>(got);
    }
    bytes.resize(have);
    return FileStatus::Success();
}

FileStatus WriteFileAtomically(const std::string& path, std::string_view bytes,
                               const WriteFault& fault, const WriteReport& report) {
    std::filesystem::path target(path);
    if (target.filename().empty()) return FileStatus::Failure(EISDIR);

    // A symbolic link is followed so that the file it names is replaced, not the link.
    struct stat info {};
    bool exists = false;
    if (::lstat(target.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        std::error_code error;
        std::filesystem::path resolved = std::filesystem::canonical(target, error);
        if (!error) target = resolved;
    }
    if (::stat(target.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode)) return FileStatus::Failure(EISDIR);
        if (!S_ISREG(info.st_mode)) return FileStatus::Failure(std::string("Not a regular file"));
        // The rename would replace a write-protected file too; keep the protection.
        if (::access(target.c_str(), W_OK) != 0) return FileStatus::Failure(errno);
        exists = true;
    }
    if (target.parent_path().empty()) target = std::filesystem::path(".") / target;
    RemoveStaleTemporaries(target.parent_path());
    if (exists && info.st_nlink > 1) return WriteInPlace(target, info, bytes, fault, report);

    std::filesystem::path temporary;
    int error = InjectedError(fault, WriteStep::CreateTemporary);
    if (error != 0) return FileStatus::Failure(error);
    Descriptor file(CreateSideFile(target, ".tmp", 0666, temporary));
    if (!file.valid()) return FileStatus::Failure(errno);
    Report(report, WriteStep::CreateTemporary);
    if (exists) {
        // The new file takes the old one's owner and group where the system allows (the
        // superuser, or a group the user belongs to), then its permissions: a change of owner
        // may clear some of them.
        if (::fchown(file.get(), info.st_uid, info.st_gid) != 0 &&
            ::fchown(file.get(), static_cast<uid_t>(-1), info.st_gid) != 0) {
            // Neither: the new file stays this user's, in this user's group.
        }
        ::fchmod(file.get(), info.st_mode & 07777);
    }

    auto fail = [&](int errorNumber) {
        file.close();
        ::unlink(temporary.c_str());
        return FileStatus::Failure(errorNumber);
    };

    if ((error = InjectedError(fault, WriteStep::Write)) != 0) return fail(error);
    if ((error = WriteAll(file.get(), bytes)) != 0) return fail(error);
    Report(report, WriteStep::Write);
    if ((error = InjectedError(fault, WriteStep::Flush)) != 0) return fail(error);
    if ((error = FlushToDisk(file.get(), report)) != 0) return fail(error);
    if ((error = file.close()) != 0) return fail(error);
    if ((error = InjectedError(fault, WriteStep::Rename)) != 0) return fail(error);
    if (::rename(temporary.c_str(), target.c_str()) != 0) return fail(errno);
    Report(report, WriteStep::Rename);
    SyncFolder(target.parent_path());
    return FileStatus::Success();
}

} // namespace tlv
