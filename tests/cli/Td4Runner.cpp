#include "tests/cli/Td4Runner.h"

#include <fcntl.h>
#include <pty.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <csignal>
#include <thread>

#include "tests/support/ChildProcess.h"
#include "tests/support/TempFolder.h"

namespace {

std::string ReadText(const std::string& path) {
  const std::vector<std::uint8_t> bytes = ReadFileBytes(path);
  return {bytes.begin(), bytes.end()};
}

std::string ReadAll(int fd) {
  std::string text;
  char buffer[65536];
  for (ssize_t count; (count = ::read(fd, buffer, sizeof buffer)) > 0;) text.append(buffer, std::size_t(count));
  return text;
}

// A pseudo-terminal as a pair of ends like a pipe's: output[0] the master
// (read), output[1] the terminal that td4 writes to.
bool OpenRawTerminal(int output[2]) {
  if (::openpty(&output[0], &output[1], nullptr, nullptr, nullptr) != 0) return false;
  termios raw{};
  ::tcgetattr(output[1], &raw);
  ::cfmakeraw(&raw);
  ::tcsetattr(output[1], TCSANOW, &raw);
  ::fcntl(output[0], F_SETFD, FD_CLOEXEC);
  return true;
}

// In the child: everything the options ask for, then td4 itself. Never returns.
[[noreturn]] void BecomeTd4(const std::vector<std::string>& args, const Td4Options& options, int in, int out,
                            int err) {
  std::vector<char*> argv;
  std::string program = TD4_PATH;
  argv.push_back(program.data());
  std::vector<std::string> copies = args;
  for (std::string& arg : copies) argv.push_back(arg.data());
  argv.push_back(nullptr);
  const rlimit size{options.fileSizeLimit, options.fileSizeLimit};
  const rlimit memory{options.memoryLimit, options.memoryLimit};
  const rlimit tasks{options.taskLimit, options.taskLimit};
  if (out < 0 || err < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0 ||
      (!options.folder.empty() && ::chdir(options.folder.c_str()) != 0))
    _exit(127);
  if (!options.inputFile.empty()) in = ::open(options.inputFile.c_str(), O_RDONLY);
  if (in < 0 || ::dup2(in, 0) < 0 || ::setrlimit(RLIMIT_FSIZE, &size) != 0 || ::setrlimit(RLIMIT_AS, &memory) != 0 ||
      (options.taskLimit != RLIM_INFINITY && ::setrlimit(RLIMIT_NPROC, &tasks) != 0) ||
      (options.ordinaryUser && !BecomeOrdinaryUser(options.ordinaryUid)))
    _exit(127);
  for (const auto& [name, value] : options.environment)
    if (value.empty() ? ::unsetenv(name.c_str()) : ::setenv(name.c_str(), value.c_str(), 1)) _exit(127);
  std::signal(SIGPIPE, SIG_DFL);  // the test may ignore it; td4 must not inherit that
  ::execv(argv[0], argv.data());
  _exit(127);
}

}  // namespace

Td4Result RunTd4(const std::vector<std::string>& args) { return RunTd4(args, Td4Options{}); }

Td4Result RunTd4(const std::vector<std::string>& args, const std::map<std::string, std::string>& environment) {
  Td4Options options;
  options.environment = environment;
  return RunTd4(args, options);
}

Td4Result RunTd4(const std::vector<std::string>& args, const Td4Options& options) {
  TempFolder capture;
  const std::string outPath = capture.Path("out");
  const std::string errPath = capture.Path("err");
  int input[2] = {-1, -1};
  int output[2] = {-1, -1};  // read end, write end
  if ((options.input && ::pipe2(input, O_CLOEXEC) != 0) || (options.outputToPipe && ::pipe2(output, O_CLOEXEC) != 0) ||
      (options.outputToTerminal && !OpenRawTerminal(output)))
    return {-1, "", "no pipe or terminal"};
  const bool readOutput = options.outputToPipe || options.outputToTerminal;

  const pid_t child = ::fork();
  if (child == 0) {
    const int in = options.input ? input[0] : ::open("/dev/null", O_RDONLY);
    const std::string& outFile = options.outputFile.empty() ? outPath : options.outputFile;
    const int opening = O_WRONLY | O_CREAT | (options.appendOutput ? O_APPEND : O_TRUNC);
    const int out = readOutput ? output[1] : ::open(outFile.c_str(), opening, 0600);
    const int err = options.errorToTerminal ? output[1] : ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    BecomeTd4(args, options, in, out, err);
  }
  std::thread feeder;
  if (options.input) {
    // td4 may end before it has read everything; the write then fails instead of ending the test.
    std::signal(SIGPIPE, SIG_IGN);
    ::close(input[0]);
    feeder = std::thread([&] {
      [[maybe_unused]] const ssize_t written = ::write(input[1], options.input->data(), options.input->size());
      ::close(input[1]);
    });
  }
  std::string out;
  if (readOutput) {
    ::close(output[1]);
    out = ReadAll(output[0]);  // a terminal's ends with EIO once td4 has closed it
    ::close(output[0]);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  if (feeder.joinable()) feeder.join();
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readOutput ? out : ReadText(outPath),
          ReadText(errPath)};
}

int StartTd4(const std::vector<std::string>& args) {
  const pid_t child = ::fork();
  if (child == 0)
    BecomeTd4(args, {}, ::open("/dev/null", O_RDONLY), ::open("/dev/null", O_WRONLY), ::open("/dev/null", O_WRONLY));
  return child;
}
