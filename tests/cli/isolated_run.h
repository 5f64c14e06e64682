#pragma once
// Running one command line in a child process, so that a crash shows as a signal and a hang
// as a time-out instead of taking the test down.
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

#include "cli/commands.h"

namespace veltrane::cli {

struct IsolatedRun {
  bool finished = false;  // false: still running at the time limit, then killed
  int signal = 0;         // the signal that ended it, 0 when it exited
  int code = -1;
  std::string out, err;
};

namespace isolated {

inline void WriteAll(int fd, const std::string& text) {
  size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n <= 0) return;
    done += static_cast<size_t>(n);
  }
}

}  // namespace isolated

// The child writes the code, the length of out and then out and err through one pipe.
inline IsolatedRun RunIsolated(const std::vector<std::string>& args, std::chrono::milliseconds limit) {
  IsolatedRun r;
  int fds[2];
  if (::pipe(fds) != 0) return r;
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::close(fds[0]);
    std::string out, err;
    const int code = RunCli(args, out, err);
    isolated::WriteAll(fds[1], std::to_string(code) + " " + std::to_string(out.size()) + "\n" + out + err);
    ::close(fds[1]);
    ::_exit(0);
  }
  ::close(fds[1]);
  // Read while waiting, so a long answer cannot fill the pipe and stall the child.
  std::string message;
  const auto deadline = std::chrono::steady_clock::now() + limit;
  bool open = true;
  while (open) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) break;
    pollfd p{fds[0], POLLIN, 0};
    if (::poll(&p, 1, static_cast<int>(left.count())) <= 0) continue;
    char buf[65536];
    const ssize_t n = ::read(fds[0], buf, sizeof buf);
    if (n <= 0) open = false;
    else message.append(buf, static_cast<size_t>(n));
  }
  ::close(fds[0]);
  if (open) {
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    return r;
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  r.finished = true;
  if (WIFSIGNALED(status)) {
    r.signal = WTERMSIG(status);
    return r;
  }
  const size_t line = message.find('\n');
  if (line == std::string::npos) return r;
  const size_t space = message.find(' ');
  r.code = std::stoi(message.substr(0, space));
  const size_t outSize = std::stoul(message.substr(space + 1, line - space - 1));
  r.out = message.substr(line + 1, outSize);
  r.err = message.substr(line + 1 + outSize);
  return r;
}

}  // namespace veltrane::cli
