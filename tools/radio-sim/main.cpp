// SPDX-License-Identifier: GPL-3.0-or-later
// tlv6200-radio-sim: a simulated TLV6200 on a pseudo-terminal, for trying the programming
// software without a radio and for the link tests.
#include "RadioSim.h"

#include "help/ProgramVersion.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <termios.h>
#include <unistd.h>
#include <vector>

using namespace tlv::sim;

namespace {

constexpr const char* kUsage = R"(Usage: tlv6200-radio-sim [options]

Simulates a TLV6200 radio on a pseudo-terminal. The first line printed is the path of the
terminal (for example /dev/pts/3); give it to the programming software, for instance with a
line "COM1=/dev/pts/3" in the "ports" file beside its parameter file. Runs until interrupted.

Memory (radio addresses 0x0000-0x0FFF) starts blank (0xFF) or from a .DAT file.

Options:
  --load FILE          start with the image of the channel data file FILE at 0x0010
  --save FILE          after every end frame, save 0x0010-0x035F as a channel data file
  --link PATH          also make PATH a symbolic link to the terminal (removed at exit)
  --paced              send at 9600 baud (10 bits, about 1.04 ms a byte) and take the
                       program's frames as arriving at that speed too
  --latency MS         wait MS milliseconds before every answer
  --silent             answer nothing
  --wrong-id           identify without "LK470"
  --stop-after N       stop answering after N blocks (until the next end frame)
  --double-handshake   answer the handshake with 0x06 twice (the second one after the
                       program's first 0x02, which is answered by it instead of the
                       identification)
  --split N            send every answer in chunks of N bytes, a few milliseconds apart
  --stuck-byte ADDR    the memory cell at ADDR (e.g. 0x012F) keeps its value on every
                       write, like a worn-out cell
  --break-before-reply precede every answer in the data phase by a break; a pseudo-terminal
                       carries no break, so it arrives as the NUL character a UART without
                       break reporting would deliver
  --appear-after MS    make the --link path appear MS milliseconds after the start, as a
                       cable plugged in then
  --leave-after N      leave after the N-th end frame (1 after a write, 2 after a write
                       and its read-back): the --link path is removed and the terminal
                       closed, as a cable pulled out; SIGUSR1 leaves at once. With
                       --link, the time from its appearance to the first byte received is
                       announced as "first byte after MS ms"
  --help               show this text
  --version            show the version

Every saved file is announced on standard output as "saved FILE".
)";

volatile std::sig_atomic_t stopRequested = 0;
void onSignal(int) {
    stopRequested = 1;
}

using Clock = std::chrono::steady_clock;
constexpr auto kByteTime = std::chrono::nanoseconds(1'041'667); // 10 bits at 9600 baud

struct Options {
    Faults faults;
    std::string load;
    std::string save;
    std::string link;
    bool paced = false;
    int latencyMs = 0;
    int appearAfterMs = 0;
    int leaveAfterEnds = 0; // 0: stays
};

void sleepUntil(Clock::time_point when) {
    auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(when.time_since_epoch());
    timespec ts{static_cast<time_t>(ns.count() / 1'000'000'000),
                static_cast<long>(ns.count() % 1'000'000'000)};
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &ts, nullptr) == EINTR) {
        if (stopRequested) return;
    }
}

// Writes all bytes to the non-blocking master; bytes that do not fit (nobody reads the
// terminal) are dropped rather than blocking the simulator.
void writeAll(int fd, const uint8_t* data, std::size_t size) {
    while (size > 0) {
        ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            if (errno == EAGAIN) {
                pollfd p{fd, POLLOUT, 0};
                if (::poll(&p, 1, 100) > 0) continue;
            }
            return;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
}

bool parseInt(const char* text, int& value, int base = 10) {
    char* end = nullptr;
    long v = std::strtol(text, &end, base);
    if (!end || *end != '\0' || v < 0 || v > 1'000'000) return false;
    value = static_cast<int>(v);
    return true;
}

bool parseOptions(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        auto next = [&](const char*& value) {
            if (i + 1 >= argc) return false;
            value = argv[++i];
            return true;
        };
        const char* v = nullptr;
        if (a == "--help" || a == "-h") {
            std::fputs(kUsage, stdout);
            std::exit(0);
        } else if (a == "--version") {
            std::printf("tlv6200-radio-sim %s\n", tlv::kProgramVersion);
            std::exit(0);
        } else if (a == "--load" && next(v)) {
            o.load = v;
        } else if (a == "--save" && next(v)) {
            o.save = v;
        } else if (a == "--link" && next(v)) {
            o.link = v;
        } else if (a == "--appear-after" && next(v) && parseInt(v, o.appearAfterMs)) {
        } else if (a == "--leave-after" && next(v) && parseInt(v, o.leaveAfterEnds)) {
        } else if (a == "--paced") {
            o.paced = true;
        } else if (a == "--latency" && next(v) && parseInt(v, o.latencyMs)) {
        } else if (a == "--silent") {
            o.faults.silent = true;
        } else if (a == "--wrong-id") {
            o.faults.wrongIdentification = true;
        } else if (a == "--stop-after" && next(v) && parseInt(v, o.faults.stopAfterBlocks)) {
        } else if (a == "--double-handshake") {
            o.faults.doubleHandshake = true;
        } else if (a == "--split" && next(v) && parseInt(v, o.faults.splitChunk)) {
        } else if (a == "--stuck-byte" && next(v) && parseInt(v, o.faults.stuckAddress, 0)) {
        } else if (a == "--break-before-reply") {
            o.faults.breakBeforeReply = true;
        } else {
            std::fprintf(stderr, "tlv6200-radio-sim: bad option %s (see --help)\n", a.c_str());
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parseOptions(argc, argv, options)) return 2;

    RadioSim radio(options.faults);
    std::string error;
    if (!options.load.empty() && !radio.loadDat(options.load, error)) {
        std::fprintf(stderr, "tlv6200-radio-sim: %s\n", error.c_str());
        return 1;
    }

    int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) {
        std::fprintf(stderr, "tlv6200-radio-sim: no pseudo-terminal: %s\n", std::strerror(errno));
        return 1;
    }
    char name[256] = {};
    if (::ptsname_r(master, name, sizeof name) != 0) {
        std::fprintf(stderr, "tlv6200-radio-sim: ptsname: %s\n", std::strerror(errno));
        return 1;
    }
    // Hold the terminal's own end open in raw mode: nothing is echoed or translated before the
    // program sets it up, and the simulator keeps running while the program closes and reopens
    // the port.
    int slave = ::open(name, O_RDWR | O_NOCTTY);
    if (slave >= 0) {
        termios t{};
        if (::tcgetattr(slave, &t) == 0) {
            ::cfmakeraw(&t);
            ::tcsetattr(slave, TCSANOW, &t);
        }
    }
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);

    struct sigaction sa {};
    sa.sa_handler = onSignal;
    ::sigaction(SIGINT, &sa, nullptr);
    ::sigaction(SIGTERM, &sa, nullptr);
    ::sigaction(SIGUSR1, &sa, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    std::printf("%s\n", name);
    std::fflush(stdout);

    // The cable is plugged in: the link appears (after the delay asked for).
    if (!options.link.empty()) {
        sleepUntil(Clock::now() + std::chrono::milliseconds(options.appearAfterMs));
        if (stopRequested) return 0;
        // Made beside the path and renamed onto it, so that a watcher never sees a half-made
        // link and a link left by an earlier radio is replaced in one step.
        const std::string made = options.link + ".new" + std::to_string(::getpid());
        ::unlink(made.c_str());
        if (::symlink(name, made.c_str()) != 0 ||
            ::rename(made.c_str(), options.link.c_str()) != 0) {
            std::fprintf(stderr, "tlv6200-radio-sim: cannot link %s: %s\n", options.link.c_str(),
                         std::strerror(errno));
            return 1;
        }
        std::printf("appeared %s\n", options.link.c_str());
        std::fflush(stdout);
    }
    const auto appeared = Clock::now();
    bool firstByteTold = options.link.empty();
    int endFrames = 0;

    auto lineFree = Clock::now(); // when the simulated wire is next free
    std::vector<uint8_t> buffer(4096);
    while (!stopRequested) {
        pollfd p{master, POLLIN, 0};
        int ready = ::poll(&p, 1, 200);
        if (ready <= 0 || !(p.revents & POLLIN)) {
            if (ready > 0 && (p.revents & (POLLHUP | POLLERR))) ::usleep(20'000);
            continue;
        }
        ssize_t n = ::read(master, buffer.data(), buffer.size());
        if (n <= 0) continue;
        auto now = Clock::now();
        if (!firstByteTold) {
            // How long the program took to notice the cable: from the link's appearance.
            std::printf("first byte after %.1f ms\n",
                        std::chrono::duration<double, std::milli>(now - appeared).count());
            std::fflush(stdout);
            firstByteTold = true;
        }
        lineFree = options.paced ? std::max(lineFree, now) + kByteTime * n : now;

        auto replies = radio.receive(std::vector<uint8_t>(buffer.begin(), buffer.begin() + n));
        bool first = true;
        for (auto& reply : replies) {
            if (!first && !options.paced) lineFree = Clock::now() + std::chrono::milliseconds(5);
            first = false;
            lineFree += std::chrono::milliseconds(options.latencyMs);
            std::vector<uint8_t> bytes;
            if (reply.breakFirst) bytes.push_back(0x00);
            bytes.insert(bytes.end(), reply.bytes.begin(), reply.bytes.end());
            std::size_t chunk = options.faults.splitChunk > 0
                                    ? static_cast<std::size_t>(options.faults.splitChunk)
                                    : bytes.size();
            for (std::size_t at = 0; at < bytes.size(); at += chunk) {
                std::size_t size = std::min(chunk, bytes.size() - at);
                if (at > 0 && !options.paced)
                    lineFree = Clock::now() + std::chrono::milliseconds(3);
                if (options.paced) {
                    for (std::size_t i = 0; i < size; ++i) {
                        lineFree += kByteTime; // the byte is in once its stop bit is
                        sleepUntil(lineFree);
                        writeAll(master, &bytes[at + i], 1);
                    }
                    if (size < bytes.size() - at) lineFree += std::chrono::milliseconds(3);
                } else {
                    if (lineFree > Clock::now()) sleepUntil(lineFree);
                    writeAll(master, &bytes[at], size);
                }
            }
        }
        if (radio.takeEnded()) {
            if (!options.save.empty()) {
                if (radio.saveDat(options.save, error)) {
                    std::printf("saved %s\n", options.save.c_str());
                    std::fflush(stdout);
                } else {
                    std::fprintf(stderr, "tlv6200-radio-sim: %s\n", error.c_str());
                }
            }
            if (options.leaveAfterEnds > 0 && ++endFrames >= options.leaveAfterEnds) break;
        }
    }
    if (!options.link.empty()) ::unlink(options.link.c_str());
    if (slave >= 0) ::close(slave);
    ::close(master);
    return 0;
}
