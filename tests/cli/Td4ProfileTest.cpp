#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "tests/cli/Td4Runner.h"
#include "tests/listing/ListingFixtures.h"
#include "tests/support/Bytes.h"

namespace {

std::string Example(const char* name) { return std::string(EXAMPLES_DIR) + "/" + name; }

std::uint32_t BigEndian(const Bytes& bytes, std::size_t at) {
  return std::uint32_t(bytes.at(at)) << 24 | std::uint32_t(bytes.at(at + 1)) << 16 |
         std::uint32_t(bytes.at(at + 2)) << 8 | bytes.at(at + 3);
}

struct PictureSize {
  std::uint32_t width = 0, height = 0;
  friend bool operator==(const PictureSize&, const PictureSize&) = default;
};

// The size a PNG file's header gives, or nothing when the file does not start as a PNG does.
std::optional<PictureSize> PngSize(const std::string& path) {
  const Bytes bytes = ReadFileBytes(path);
  const Bytes signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (bytes.size() < 24 || !std::equal(signature.begin(), signature.end(), bytes.begin()) ||
      std::string(bytes.begin() + 12, bytes.begin() + 16) != "IHDR")
    return std::nullopt;
  return PictureSize{BigEndian(bytes, 16), BigEndian(bytes, 20)};
}

TEST(Td4ProfileTest, WritesThePictureInTheFormatItsNameAsksFor) {
  TempFolder folder;
  const std::string png = folder.Path("sky.PNG");
  const Td4Result drawn = RunTd4({"profile", Example("sky-high.td4"), "-o", png, "--width", "640", "--height", "200"});
  EXPECT_EQ(drawn.status, 0) << drawn.err;
  EXPECT_EQ(PngSize(png), (PictureSize{640, 200}));

  const std::string svg = folder.Path("circuit.svg");
  EXPECT_EQ(RunTd4({"profile", "-e", "30", Example("small-circuit.td4"), "--output", svg}).status, 0);
  const std::string text = ReadText(svg);
  EXPECT_EQ(text.rfind("<?xml", 0), 0u);
  EXPECT_NE(text.find("viewBox=\"0 0 1000 300\""), std::string::npos);
  EXPECT_NE(text.find(">24</text>"), std::string::npos);  // the last segment's number
}

// Without a display, with Qt asked for another platform, without a runtime
// folder and in a language that writes decimal commas, td4 draws byte for
// byte the same picture as in the plain environment, and says nothing.
TEST(Td4ProfileTest, DrawsQuietlyTheSamePictureInAnyEnvironment) {
  TempFolder folder;
  const std::map<std::string, std::string> plain = {{"LANG", "C"}, {"LC_ALL", "C"}};
  const std::map<std::string, std::string> foreign = {{"LANG", "de_DE.UTF-8"}, {"LC_ALL", "de_DE.UTF-8"},
                                                      {"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""},
                                                      {"QT_QPA_PLATFORM", "xcb"}, {"XDG_RUNTIME_DIR", ""}};
  for (const char* name : {"sky.svg", "sky.png"}) {
    std::vector<Bytes> pictures;
    for (const auto& environment : {plain, foreign}) {
      const std::string out = folder.Path(std::to_string(pictures.size()) + name);
      const Td4Result drawn = RunTd4({"profile", "-e", "20", Example("sky-high.td4"), "-o", out}, environment);
      EXPECT_EQ(drawn.status, 0) << name;
      EXPECT_EQ(drawn.err, "") << name;
      pictures.push_back(ReadFileBytes(out));
    }
    EXPECT_TRUE(pictures[0] == pictures[1]) << name << " differs";
  }
}

TEST(Td4ProfileTest, WritesNothingForAWrongCommandLineOrARefusedDesign) {
  TempFolder folder;
  DesignDescription maze = SevenLineExample();
  maze.rideType = 20;
  const std::string mazeFile = folder.Write("maze.td4", BuildDesignFile(maze));
  struct Case {
    std::vector<std::string> args;
    int status;
  };
  const Case cases[] = {
      {{Example("shuttle.td4"), "-o", folder.Path("out.gif")}, 2},
      {{Example("shuttle.td4"), "-o", folder.Path("out.svg"), "--width", "20"}, 2},
      {{Example("shuttle.td4"), "-o", folder.Path("out.svg"), "--height", "9000"}, 2},
      {{Example("shuttle.td4"), "-o", folder.Path("out.svg"), "-e", "0"}, 2},
      {{Example("shuttle.td4")}, 2},
      {{mazeFile, "-o", folder.Path("out.svg")}, 1},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = {"profile"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const Td4Result result = RunTd4(args);
    EXPECT_EQ(result.status, c.status) << testing::PrintToString(args);
    EXPECT_NE(result.err, "");
  }
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"maze.td4"});
}

TEST(Td4ProfileTest, AFailedWriteIsReported) {
  TempFolder folder;
  const std::string out = folder.Path("missing/profile.svg");
  const Td4Result result = RunTd4({"profile", Example("shuttle.td4"), "-o", out});
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.err.find(out), std::string::npos) << result.err;
}

// As a file manager runs it: a PNG whatever the output is called, as wide as
// asked (128 pixels unless told) and three quarters as high, and not a word.
TEST(Td4ProfileTest, ThumbnailIsAPngOfTheSizeAskedFor) {
  TempFolder folder;
  struct Case {
    std::vector<std::string> size;
    PictureSize drawn;
  };
  const Case cases[] = {{{}, {128, 96}}, {{"-s", "256"}, {256, 192}}, {{"--size", "100"}, {100, 75}}};
  for (const Case& c : cases) {
    const std::string out = folder.Path("thumbnail-" + std::to_string(c.drawn.width));
    std::vector<std::string> args = {"thumbnail"};
    args.insert(args.end(), c.size.begin(), c.size.end());
    args.insert(args.end(), {Example("sky-high.td4"), out});
    const Td4Result drawn = RunTd4(args);
    EXPECT_EQ(drawn.status, 0) << drawn.err;
    EXPECT_EQ(drawn.err, "");
    EXPECT_EQ(PngSize(out), c.drawn) << c.drawn.width;
  }
}

// A design that does not load leaves no file, so that the file manager shows
// its own icon; a wrong checksum is a refusal without --yes, which the
// thumbnailer entry does not give.
TEST(Td4ProfileTest, ThumbnailWritesNothingForADesignThatDoesNotLoad) {
  TempFolder folder;
  DesignDescription maze = SevenLineExample();
  maze.rideType = 20;
  const std::string mazeFile = folder.Write("maze.td4", BuildDesignFile(maze));
  Bytes damaged = BuildDesignFile(SevenLineExample());
  damaged.back() ^= 0xFF;
  const std::string damagedFile = folder.Write("damaged.td4", damaged);
  const std::string emptyFile = folder.Write("empty.td4", Bytes{});
  const std::string out = folder.Path("out.png");
  struct Case {
    std::vector<std::string> args;
    int status;
  };
  const Case cases[] = {
      {{mazeFile, out}, 1},
      {{damagedFile, out}, 1},
      {{emptyFile, out}, 1},
      {{folder.Path("missing.td4"), out}, 1},
      {{folder.Path(""), out}, 1},
      {{"-s", "8", Example("shuttle.td4"), out}, 2},
      {{Example("shuttle.td4")}, 2},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = {"thumbnail"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const Td4Result result = RunTd4(args);
    EXPECT_EQ(result.status, c.status) << testing::PrintToString(args);
    EXPECT_NE(result.err, "") << testing::PrintToString(args);
  }
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"damaged.td4", "empty.td4", "maze.td4"}));
}

}  // namespace
