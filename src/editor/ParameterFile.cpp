// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/ParameterFile.h"

#include "image/FileIo.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tlv {

ParameterBytes ReadParameterFile(const std::string& path) {
    std::string head;
    ParameterBytes bytes;
    if (!ReadFileHead(path, 3, head).ok) return bytes;
    if (head.size() > 0) bytes.lock = static_cast<uint8_t>(head[0]);
    if (head.size() > 1) bytes.portNumber = static_cast<uint8_t>(head[1]);
    if (head.size() > 2) bytes.language = static_cast<uint8_t>(head[2]);
    return bytes;
}

bool WriteParameterFile(const std::string& path, const ParameterBytes& bytes) {
    // Written in place with one three-byte write so that the bytes after the third stay as
    // they are. O_NONBLOCK keeps a pipe in the file's place from stalling the end of the run.
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    struct stat info {};
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    if (ok) {
        const char data[3] = {static_cast<char>(bytes.lock), static_cast<char>(bytes.portNumber),
                              static_cast<char>(bytes.language)};
        ssize_t written;
        do {
            written = ::pwrite(fd, data, sizeof data, 0);
        } while (written < 0 && errno == EINTR);
        ok = written == static_cast<ssize_t>(sizeof data);
    }
    if (::close(fd) != 0) ok = false;
    return ok;
}

ParameterBytes MakeParameterBytes(bool editingLock, int portNumber, Language language) {
    return {static_cast<uint8_t>(editingLock ? 1 : 0), static_cast<uint8_t>(portNumber),
            static_cast<uint8_t>(LanguageCode(language))};
}

} // namespace tlv
