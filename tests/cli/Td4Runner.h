#pragma once

#include <map>
#include <string>
#include <vector>

// What one run of the td4 program gave.
struct Td4Result {
  int status;  // exit status, or -1 when it did not exit normally
  std::string out;
  std::string err;
};

// Runs the built td4 with args and no standard input, in this process's
// environment changed by environment (an empty value removes the variable).
Td4Result RunTd4(const std::vector<std::string>& args, const std::map<std::string, std::string>& environment = {});
