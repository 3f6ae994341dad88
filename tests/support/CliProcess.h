// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Running tlv6200-cli and tlv6200-radio-sim as child processes with bounded waits: every wait
// has a deadline, and a child still running at its deadline or when its owner goes is killed.
#include <QString>

#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace tlv::test {

struct ProcessResult {
    int exitCode = -1; // -1 when killed
    bool timedOut = false;
    std::string out;
    std::string err;
};

class ChildProcess {
  public:
    // Starts `argv`; standard input gets `input` and is then closed.
    explicit ChildProcess(const std::vector<std::string>& argv, const std::string& input = {}) {
        int in[2], out[2], err[2];
        if (pipe(in) != 0 || pipe(out) != 0 || pipe(err) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            dup2(in[0], STDIN_FILENO);
            dup2(out[1], STDOUT_FILENO);
            dup2(err[1], STDERR_FILENO);
            for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]})
                close(fd);
            std::vector<char*> args;
            for (const auto& a : argv)
                args.push_back(const_cast<char*>(a.c_str()));
            args.push_back(nullptr);
            execv(args[0], args.data());
            _exit(127);
        }
        close(in[0]);
        close(out[1]);
        close(err[1]);
        if (!input.empty()) {
            [[maybe_unused]] ssize_t written = write(in[1], input.data(), input.size());
        }
        close(in[1]);
        out_ = out[0];
        err_ = err[0];
        fcntl(out_, F_SETFL, O_NONBLOCK);
        fcntl(err_, F_SETFL, O_NONBLOCK);
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ~ChildProcess() {
        kill();
        if (out_ >= 0) close(out_);
        if (err_ >= 0) close(err_);
    }

    bool started() const { return pid_ > 0; }
    pid_t pid() const { return pid_; }

    // Reads what is available within `timeoutMs`; true when `until` appeared in standard output.
    bool waitForOutput(const std::string& until, int timeoutMs) {
        const auto deadline =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (result_.out.find(until) == std::string::npos) {
            if (std::chrono::steady_clock::now() >= deadline) return false;
            if (!pump(20) && exited()) return result_.out.find(until) != std::string::npos;
        }
        return true;
    }

    // Waits for the end within `timeoutMs`, killing the child at the deadline.
    ProcessResult finish(int timeoutMs) {
        const auto deadline =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (!exited()) {
            if (std::chrono::steady_clock::now() >= deadline) {
                result_.timedOut = true;
                kill();
                break;
            }
            pump(20);
        }
        while (pump(0)) {
        }
        return result_;
    }

    // Stops the child: SIGTERM, then SIGKILL after a moment.
    void kill() {
        if (pid_ <= 0 || reaped_) return;
        ::kill(pid_, SIGTERM);
        for (int i = 0; i < 50 && !exited(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (!exited()) {
            ::kill(pid_, SIGKILL);
            int status = 0;
            waitpid(pid_, &status, 0);
            reaped_ = true;
        }
    }

    const std::string& out() const { return result_.out; }

  private:
    bool exited() {
        if (reaped_) return true;
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            reaped_ = true;
            result_.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        return reaped_;
    }

    // Moves available output into the result; true when something was read.
    bool pump(int timeoutMs) {
        pollfd fds[2] = {{out_, POLLIN, 0}, {err_, POLLIN, 0}};
        if (poll(fds, 2, timeoutMs) <= 0) return false;
        bool any = false;
        char buffer[4096];
        for (auto [fd, target] : {std::pair{out_, &result_.out}, std::pair{err_, &result_.err}}) {
            ssize_t n;
            while ((n = read(fd, buffer, sizeof buffer)) > 0) {
                target->append(buffer, static_cast<std::size_t>(n));
                any = true;
            }
        }
        return any;
    }

    pid_t pid_ = -1;
    int out_ = -1;
    int err_ = -1;
    bool reaped_ = false;
    ProcessResult result_;
};

// Runs a program to its end (at most `timeoutMs`).
inline ProcessResult RunProcess(const std::vector<std::string>& argv, const std::string& input = {},
                                int timeoutMs = 30000) {
    ChildProcess child(argv, input);
    return child.finish(timeoutMs);
}

// Runs tlv6200-cli with the arguments.
inline ProcessResult RunCli(std::vector<std::string> args, const std::string& input = {},
                            int timeoutMs = 30000) {
    args.insert(args.begin(), TLV_CLI);
    return RunProcess(args, input, timeoutMs);
}

// A simulated radio on a pseudo-terminal; `device` is its terminal path (empty when it did not
// start). It announces "saved" each time it has saved its memory after an end frame.
class SimulatedRadio {
  public:
    explicit SimulatedRadio(std::vector<std::string> options = {}) {
        options.insert(options.begin(), TLV_RADIO_SIM);
        child_ = std::make_unique<ChildProcess>(options);
        if (child_->waitForOutput("\n", 5000))
            device_ = child_->out().substr(0, child_->out().find('\n'));
    }
    const std::string& device() const { return device_; }
    // What it has said on standard output so far.
    const std::string& out() const { return child_->out(); }
    QString path() const { return QString::fromStdString(device_); }
    // Waits until the simulator has announced `count` saved files.
    bool waitForSaves(int count, int timeoutMs = 5000) {
        const auto deadline =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (std::chrono::steady_clock::now() < deadline) {
            int found = 0;
            for (std::size_t at = 0; (at = child_->out().find("saved ", at)) != std::string::npos;
                 ++at)
                ++found;
            if (found >= count) return true;
            child_->waitForOutput("\x01never", 50);
        }
        return false;
    }
    bool waitSaved(int timeoutMs = 5000) { return waitForSaves(1, timeoutMs); }

  private:
    std::unique_ptr<ChildProcess> child_;
    std::string device_;
};

} // namespace tlv::test
