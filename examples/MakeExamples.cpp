// Writes every example design as a .td4 file into the folder named on the command line.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "examples/ExampleDesigns.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_examples FOLDER\n");
    return 2;
  }
  for (const ExampleDesign& example : ExampleDesigns()) {
    const std::filesystem::path path = std::filesystem::path(argv[1]) / example.fileName;
    const auto file = BuildDesignFile(example.description, example.checksumOffset);
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
    if (!out.flush()) {
      std::fprintf(stderr, "make_examples: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
