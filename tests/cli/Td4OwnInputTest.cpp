// Every command that writes, given its own design as the output under every
// name a file can have: the design stays as it was and nothing is written,
// except where a design is saved again in its own file's place.
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "tests/cli/CircuitDesigns.h"
#include "tests/cli/Td4Runner.h"
#include "tests/support/Bytes.h"
#include "tests/support/TempFolder.h"

namespace {

namespace fs = std::filesystem;

// The design is called d.png, so that profile, which wants a picture's name,
// can be given it too.
const Bytes kDesign = BuildDesignFile(ClosedCircuit());

struct WritingCommand {
  const char* name;
  std::vector<std::string> args;  // IN and OUT stand for the input and the output
  const char* output;             // the words of a refusal: "listing", "picture", "design"
  std::optional<Bytes> written;   // what a design command writes; nothing: a listing or a picture
};

const WritingCommand kCommands[] = {
    {"export", {"export", "IN", "OUT"}, "listing", std::nullopt},
    {"profile", {"profile", "IN", "-o", "OUT"}, "picture", std::nullopt},
    {"thumbnail", {"thumbnail", "IN", "OUT"}, "picture", std::nullopt},
    {"save", {"save", "IN", "-o", "OUT"}, "design", kDesign},
    {"mirror", {"mirror", "IN", "-o", "OUT"}, "design", BuildDesignFile(MirroredClosedCircuit())},
    {"reverse", {"reverse", "IN", "-o", "OUT"}, "design", BuildDesignFile(ReversedClosedCircuit())},
};

struct OwnName {
  const char* name;
  std::string input;
  std::string output;
  std::string reportName;  // how a refusal names the output
  bool fromTheDesign;      // standard input is d.png (< d.png)
  bool appendedToTheDesign;  // standard output is d.png opened for appending (>> d.png)
  bool inPlace;            // the output is written into, not replaced by rename
};

const OwnName kNames[] = {
    {"SameName", "d.png", "d.png", "d.png", false, false, false},
    {"HardLink", "d.png", "hard.png", "hard.png", false, false, false},
    {"SymbolicLink", "d.png", "soft.png", "soft.png", false, false, false},
    {"StandardInput", "-", "d.png", "d.png", true, false, false},
    {"Dash", "d.png", "-", "standard output", false, true, true},
    {"DevStdout", "d.png", "/dev/stdout", "/dev/stdout", false, true, true},
    {"DevFd", "d.png", "/dev/fd/1", "/dev/fd/1", false, true, true},
    {"ProcSelfFd", "d.png", "/proc/self/fd/1", "/proc/self/fd/1", false, true, true},
    {"LinkToStandardOutput", "d.png", "out.png", "out.png", false, true, true},  // out.png -> /dev/stdout
};

struct OwnInputCase {
  const WritingCommand* command;
  const OwnName* name;
  friend void PrintTo(const OwnInputCase& c, std::ostream* out) { *out << c.command->name << " " << c.name->name; }
};

std::vector<OwnInputCase> AllCases() {
  std::vector<OwnInputCase> cases;
  for (const WritingCommand& command : kCommands)
    for (const OwnName& name : kNames) {
      // A picture's name must end in .png or .svg: profile takes no other.
      const bool pictureName = name.output.size() > 4 && name.output.substr(name.output.size() - 4) == ".png";
      if (command.name != std::string("profile") || pictureName) cases.push_back({&command, &name});
    }
  return cases;
}

class Td4OwnInputTest : public ::testing::TestWithParam<OwnInputCase> {};

TEST_P(Td4OwnInputTest, IsRefusedUnlessADesignReplacesItself) {
  const WritingCommand& command = *GetParam().command;
  const OwnName& name = *GetParam().name;
  TempFolder folder;
  const std::string design = folder.Write("d.png", kDesign);
  ASSERT_EQ(::link(design.c_str(), folder.Path("hard.png").c_str()), 0);
  fs::create_symlink("d.png", folder.Path("soft.png"));
  fs::create_symlink("/dev/stdout", folder.Path("out.png"));
  std::vector<std::string> args = command.args;
  for (std::string& arg : args) arg = arg == "IN" ? name.input : arg == "OUT" ? name.output : arg;
  Td4Options options;
  options.folder = folder.Path("");
  if (name.fromTheDesign) options.inputFile = "d.png";
  if (name.appendedToTheDesign) {
    options.outputFile = design;
    options.appendOutput = true;
  }

  const Td4Result result = RunTd4(args, options);

  const bool replaced = command.written && !name.inPlace;
  EXPECT_EQ(result.status, replaced ? 0 : 1);
  EXPECT_EQ(result.err, replaced ? "" : "td4: " + name.output + ": " + name.reportName +
                                            " is the design file itself; choose another file for the " +
                                            command.output + ".\n");
  // A hard link replaced is a name of its own from then on; the design keeps its bytes.
  const bool linkReplaced = replaced && name.output == "hard.png";
  EXPECT_EQ(ReadFileBytes(design), replaced && !linkReplaced ? *command.written : kDesign);
  EXPECT_EQ(ReadFileBytes(folder.Path("hard.png")), linkReplaced ? *command.written : kDesign);
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"d.png", "hard.png", "out.png", "soft.png"}));
  EXPECT_TRUE(fs::is_symlink(folder.Path("soft.png")));
}

// What is printed goes to standard output alone, which must not be the design opened for appending.
TEST(Td4OwnInputTest, PrintingIntoTheDesignIsRefused) {
  const std::vector<std::string> commands[] = {
      {"list", "d.png"}, {"list", "--json", "d.png"}, {"list", "--screen", "d.png"}, {"check", "d.png"},
      {"list", "-"},  // standard input is the design too
  };
  for (const std::vector<std::string>& args : commands) {
    TempFolder folder;
    const std::string design = folder.Write("d.png", kDesign);
    Td4Options options;
    options.folder = folder.Path("");
    options.inputFile = "d.png";
    options.outputFile = design;
    options.appendOutput = true;
    const Td4Result result = RunTd4(args, options);
    EXPECT_EQ(result.status, 1) << args[1];
    EXPECT_EQ(result.err, "td4: standard output is the design file itself; choose another file for the listing.\n")
        << args[1];
    EXPECT_EQ(ReadFileBytes(design), kDesign) << args[1];
  }
}

INSTANTIATE_TEST_SUITE_P(EveryCommandAndName, Td4OwnInputTest, ::testing::ValuesIn(AllCases()),
                         [](const auto& info) {
                           return std::string(info.param.command->name) + "_" + info.param.name->name;
                         });

}  // namespace
