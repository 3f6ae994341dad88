#include "image/FileIo.h"

#include <atomic>
#include <cerrno>
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

std::filesystem::path TemporaryName(const std::filesystem::path& target) {
    static std::atomic<unsigned> counter{0};
    std::string name = "." + target.filename().string() + ".tmp" + std::to_string(::getpid()) +
                       "-" + std::to_string(counter++);
    return target.parent_path() / name;
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
                               const WriteFault& fault) {
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

    std::filesystem::path temporary;
    int error = InjectedError(fault, WriteStep::CreateTemporary);
    if (error != 0) return FileStatus::Failure(error);
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = TemporaryName(target);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) return FileStatus::Failure(errno);
    Descriptor file(fd);
    if (exists) ::fchmod(file.get(), info.st_mode & 07777);

    auto fail = [&](int errorNumber) {
        file.close();
        ::unlink(temporary.c_str());
        return FileStatus::Failure(errorNumber);
    };

    if ((error = InjectedError(fault, WriteStep::Write)) != 0) return fail(error);
    if ((error = WriteAll(file.get(), bytes)) != 0) return fail(error);
    if ((error = InjectedError(fault, WriteStep::Flush)) != 0) return fail(error);
    if (::fsync(file.get()) != 0) return fail(errno);
    if ((error = file.close()) != 0) return fail(error);
    if ((error = InjectedError(fault, WriteStep::Rename)) != 0) return fail(error);
    if (::rename(temporary.c_str(), target.c_str()) != 0) return fail(errno);
    SyncFolder(target.parent_path());
    return FileStatus::Success();
}

} // namespace tlv
