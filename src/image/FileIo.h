// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small, bounded file operations with the system's reason on failure: reading the head of a
// file without blocking on special files, and replacing a file atomically.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace tlv {

// Outcome of a file operation: `ok`, or the system's reason (strerror text) in `reason`.
struct FileStatus {
    bool ok = true;
    std::string reason;
    static FileStatus Success() { return {}; }
    static FileStatus Failure(int errorNumber);
    static FileStatus Failure(std::string reason) { return {false, std::move(reason)}; }
};

// Reads at most `maxBytes` bytes from the start of the regular file at `path` into `bytes`.
// A path that is not a regular file (a folder, a pipe, a device) is refused without blocking.
FileStatus ReadFileHead(const std::string& path, std::size_t maxBytes, std::string& bytes);

// The steps of an atomic replacement, for injecting failures in tests and seeing their order.
enum class WriteStep { CreateTemporary, Write, Flush, Rename };
// Called before each step; a non-zero errno value makes that step fail with it.
using WriteFault = std::function<int(WriteStep)>;
// Called after the system call of each step succeeded (the flush once fsync returned).
using WriteReport = std::function<void(WriteStep)>;

// Replaces the file at `path` with `bytes`: writes a temporary file ".NAME.tmpPID-N" in the
// same folder, flushes it to the disk and renames it over the target. On any failure the
// target is left as it was and the temporary file is removed. An existing target keeps its
// permissions, and its owner and group where the system allows; one that this process may not
// write is refused, as an in-place write would be. A target with more than one name (hard
// links) is written in place instead, after a safety copy ".NAME.copyPID-N" of its old content
// that is removed again once the new content is on the disk. Temporary files left in the
// folder by processes that have ended (a save killed half-way) are removed first.
FileStatus WriteFileAtomically(const std::string& path, std::string_view bytes,
                               const WriteFault& fault = {}, const WriteReport& report = {});

} // namespace tlv
