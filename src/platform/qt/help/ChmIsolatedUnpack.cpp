// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ChmIsolatedUnpack.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <vector>

extern char** environ;

namespace bellmora {

namespace {

using Clock = std::chrono::steady_clock;

// Room for the lengths that travel with each object.
constexpr std::size_t kWirePerObject = 12;

void AppendNumber(std::string& out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::optional<std::uint64_t> TakeNumber(std::string_view& in, int bytes) {
    if (in.size() < static_cast<std::size_t>(bytes)) return std::nullopt;
    std::uint64_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value |= static_cast<std::uint64_t>(static_cast<unsigned char>(in[i])) << (8 * i);
    in.remove_prefix(bytes);
    return value;
}

std::optional<std::string> TakeBytes(std::string_view& in, std::optional<std::uint64_t> length) {
    if (!length || *length > in.size()) return std::nullopt;
    std::string bytes(in.substr(0, *length));
    in.remove_prefix(*length);
    return bytes;
}

bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = write(fd, data.data(), data.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

constexpr std::string_view kUnpackArgument = "--unpack-help";
// Set in the helper's environment. A program that forgets to serve as the unpacker runs on
// as itself in the helper; it must not start helpers in turn, each of which would start more.
constexpr char kInHelper[] = "BELLMORA_IN_HELP_UNPACKER";

template <class Number>
bool ParseArgument(std::string_view text, Number& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

// The program itself, started afresh (never a copy of this threaded process), with the
// file and the limits as arguments and its standard output on the pipe.
pid_t SpawnUnpacker(const std::string& path, const ChmLimits& limits, int answerFd) {
    std::string self = "/proc/self/exe";  // still there when the program file was replaced
    std::string argument(kUnpackArgument);
    std::string file = path;
    std::string objectBytes = std::to_string(limits.maxObjectBytes);
    std::string totalBytes = std::to_string(limits.maxTotalBytes);
    std::string objects = std::to_string(limits.maxObjects);
    char* argv[] = {self.data(),       argument.data(), file.data(), objectBytes.data(),
                    totalBytes.data(), objects.data(),  nullptr};
    std::string mark = std::string(kInHelper) + "=1";
    std::vector<char*> environment;
    for (char** variable = environ; *variable; ++variable) environment.push_back(*variable);
    environment.push_back(mark.data());
    environment.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    if (posix_spawn_file_actions_init(&actions) != 0) return -1;
    pid_t child = -1;
    if (posix_spawn_file_actions_adddup2(&actions, answerFd, STDOUT_FILENO) != 0 ||
        posix_spawn(&child, self.c_str(), &actions, nullptr, argv, environment.data()) != 0)
        child = -1;
    posix_spawn_file_actions_destroy(&actions);
    return child;
}

int MillisecondsLeft(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

// Reads until the child closes its end; false on the deadline or an oversized answer.
bool ReadAnswer(int fd, std::string& wire, std::size_t maxBytes, Clock::time_point deadline) {
    char buffer[65536];
    for (;;) {
        pollfd ready{fd, POLLIN, 0};
        const int polled = poll(&ready, 1, MillisecondsLeft(deadline));
        if (polled < 0 && errno == EINTR) continue;
        if (polled <= 0) return false;
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) return true;
        if (static_cast<std::size_t>(n) > maxBytes - wire.size()) return false;
        wire.append(buffer, static_cast<std::size_t>(n));
    }
}

bool ExitedCleanly(pid_t child) {
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) return false;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

std::string EncodeChmObjects(const ChmObjects& objects) {
    std::string wire;
    for (const auto& [path, data] : objects) {
        AppendNumber(wire, path.size(), 4);
        wire += path;
        AppendNumber(wire, data.size(), 8);
        wire += data;
    }
    return wire;
}

std::optional<ChmObjects> DecodeChmObjects(std::string_view wire) {
    ChmObjects objects;
    while (!wire.empty()) {
        std::optional<std::string> path = TakeBytes(wire, TakeNumber(wire, 4));
        if (!path) return std::nullopt;
        std::optional<std::string> data = TakeBytes(wire, TakeNumber(wire, 8));
        if (!data) return std::nullopt;
        objects.emplace(std::move(*path), std::move(*data));
    }
    return objects;
}

std::optional<int> ServeAsChmUnpacker(int argc, char* argv[]) {
    if (argc < 2 || argv[1] != kUnpackArgument) return std::nullopt;
    ChmLimits limits;
    if (argc != 6 || !ParseArgument(argv[3], limits.maxObjectBytes) ||
        !ParseArgument(argv[4], limits.maxTotalBytes) || !ParseArgument(argv[5], limits.maxObjects))
        return 2;
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);  // a crash here is expected for bad files; leave no core
    const std::optional<ChmObjects> objects = UnpackChm(argv[2], limits);
    return objects && WriteAll(STDOUT_FILENO, EncodeChmObjects(*objects)) ? 0 : 1;
}

std::optional<ChmObjects> UnpackChmIsolated(const std::string& path, const ChmLimits& limits) {
    if (std::getenv(kInHelper)) return std::nullopt;
    const auto deadline = Clock::now() + std::chrono::milliseconds(limits.deadlineMilliseconds);
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) return std::nullopt;
    const pid_t child = SpawnUnpacker(path, limits, fds[1]);
    close(fds[1]);
    if (child < 0) {
        close(fds[0]);
        return std::nullopt;
    }

    std::string wire;
    const std::size_t maxWire =
        limits.maxTotalBytes + limits.maxObjects * (kWirePerObject + kChmMaxPathBytes);
    const bool answered = ReadAnswer(fds[0], wire, maxWire, deadline);
    close(fds[0]);
    if (!answered) kill(child, SIGKILL);
    if (!ExitedCleanly(child) || !answered) return std::nullopt;
    return DecodeChmObjects(wire);
}

}  // namespace bellmora
