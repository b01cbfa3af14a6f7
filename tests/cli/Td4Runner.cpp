#include "tests/cli/Td4Runner.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include "tests/support/TempFolder.h"

namespace {

std::string ReadText(const std::string& path) {
  const std::vector<std::uint8_t> bytes = ReadFileBytes(path);
  return {bytes.begin(), bytes.end()};
}

}  // namespace

Td4Result RunTd4(const std::vector<std::string>& args, const std::map<std::string, std::string>& environment) {
  TempFolder capture;
  const std::string outPath = capture.Path("out");
  const std::string errPath = capture.Path("err");
  std::vector<char*> argv;
  std::string program = TD4_PATH;
  argv.push_back(program.data());
  std::vector<std::string> copies = args;
  for (std::string& arg : copies) argv.push_back(arg.data());
  argv.push_back(nullptr);

  const pid_t child = fork();
  if (child == 0) {
    const int in = open("/dev/null", O_RDONLY);
    const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (in < 0 || out < 0 || err < 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0) _exit(127);
    for (const auto& [name, value] : environment)
      if (value.empty() ? unsetenv(name.c_str()) : setenv(name.c_str(), value.c_str(), 1)) _exit(127);
    execv(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadText(outPath), ReadText(errPath)};
}
