#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>

#include "catalog/Catalogue.h"
#include "examples/DesignBuilder.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/TempFolder.h"

namespace {

std::vector<std::uint8_t> DesignClimbing(int ups) {
  DesignDescription design;
  design.segments = {{2, 0x08}};
  design.segments.insert(design.segments.end(), std::size_t(ups), SegmentEntry{4});
  return BuildDesignFile(design);
}

std::vector<std::string> PathsOf(const std::vector<DesignEntry>& designs) {
  std::vector<std::string> paths;
  for (const DesignEntry& design : designs) paths.push_back(design.path);
  return paths;
}

TEST(CatalogueTest, FolderGivesItsDesignFilesInPathOrderWithoutRegardToCase) {
  TempFolder folder;
  folder.Write("b.TD4", DesignClimbing(1));
  folder.Write("a.td4", DesignClimbing(1));
  folder.Write("c.Td4", DesignClimbing(1));
  folder.Write("notes.txt", {});
  folder.Write("td4", {});
  std::filesystem::create_directory(folder.Path("sub"));
  folder.Write("sub/d.td4", DesignClimbing(1));
  const std::string loose = folder.Write("loose.design", DesignClimbing(1));

  EXPECT_EQ(PathsOf(FindDesigns({folder.Path(""), loose}, false)),
            (std::vector<std::string>{folder.Path("a.td4"), folder.Path("b.TD4"), folder.Path("c.Td4"), loose}));
  EXPECT_EQ(PathsOf(FindDesigns({folder.Path("")}, true)),
            (std::vector<std::string>{folder.Path("a.td4"), folder.Path("b.TD4"), folder.Path("c.Td4"),
                                      folder.Path("sub/d.td4")}));
}

TEST(CatalogueTest, AnUnreadableSubFolderIsAnEntryWithItsMessage) {
  TempFolder folder;
  std::filesystem::create_directory(folder.Path("locked"));
  folder.Write("locked/x.td4", DesignClimbing(1));
  folder.Write("z.td4", DesignClimbing(1));
  ASSERT_EQ(chmod(folder.Path("").c_str(), 0777), 0);
  ASSERT_EQ(chmod(folder.Path("locked").c_str(), 0), 0);
  const std::string locked = folder.Path("locked");
  // Root reads every folder, so the search runs as an ordinary user.
  const int status = RunInChild([&] {
    if (!BecomeOrdinaryUser()) return 2;
    const std::vector<DesignEntry> designs = FindDesigns({folder.Path("")}, true);
    return designs.size() == 2 && designs[0].path == locked &&
                   designs[0].failure == locked + " could not be accessed." && designs[1].failure.empty()
               ? 0
               : 1;
  });
  chmod(locked.c_str(), 0755);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

// Designs of every height, refusals among them, so that a summary out of its
// place shows in the order of segment counts and messages.
std::vector<DesignEntry> MixedFolder(const TempFolder& folder, int count) {
  for (int i = 0; i < count; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "design-%04d.td4", i);
    if (i % 7 == 3)
      folder.Write(name, std::vector<std::uint8_t>{1, 2, 3});
    else
      folder.Write(name, DesignClimbing(i % 90));
  }
  return FindDesigns({folder.Path("")}, false);
}

std::vector<std::string> Catalogue(std::span<const DesignEntry> designs, unsigned jobs) {
  std::vector<std::string> rows;
  SummariseInOrder(designs, jobs, [&](DesignSummary&& summary) {
    rows.push_back(summary.path + " " + std::to_string(summary.segments) + " " + summary.message + " " +
                   DescribeFit(summary.fit));
  });
  return rows;
}

TEST(CatalogueTest, SummariesComeInTheOrderOfTheDesignsWhateverTheThreads) {
  TempFolder folder;
  const std::vector<DesignEntry> designs = MixedFolder(folder, 300);
  const std::vector<std::string> one = Catalogue(designs, 1);
  ASSERT_EQ(one.size(), designs.size());
  for (std::size_t i = 0; i < designs.size(); ++i) EXPECT_EQ(one[i].substr(0, designs[i].path.size()), designs[i].path);
  // Climbing 1 per Up piece from 1: 60 fits at 1 alone, 61 and more nowhere.
  EXPECT_EQ(one[60], designs[60].path + " 61  fits with starting elevation 1");
  EXPECT_EQ(one[3], designs[3].path + " 0 Unexpected file format. fits at no starting elevation");
  for (const unsigned jobs : {2u, 7u, 0u}) EXPECT_EQ(Catalogue(designs, jobs), one) << jobs << " threads";
}

// A design that takes long to summarise, in the same batch as the one before
// it: that one is emitted, and what was emitted passed on, before the slow one is done.
TEST(CatalogueTest, WhatIsEmittedIsPassedOnBeforeWaitingForASlowDesign) {
  TempFolder folder;
  folder.Write("a.td4", DesignClimbing(1));
  folder.Write("b.td4", DesignClimbing(300'000));
  const std::vector<DesignEntry> designs = FindDesigns({folder.Path("")}, false);
  std::vector<std::string> events;
  SummariseInOrder(
      designs, 1, [&](DesignSummary&& summary) { events.push_back(std::filesystem::path(summary.path).filename()); },
      nullptr, [&] { events.push_back("passed on"); });
  ASSERT_GE(events.size(), 3u);
  EXPECT_EQ(events.back(), "b.td4");
  EXPECT_EQ(events.end()[-2], "passed on");
  EXPECT_EQ(events.end()[-3], "a.td4");
}

TEST(CatalogueTest, CancellingStopsTheCatalogue) {
  TempFolder folder;
  const std::vector<DesignEntry> designs = MixedFolder(folder, 200);
  std::atomic<bool> cancel = false;
  std::size_t emitted = 0;
  SummariseInOrder(designs, 4, [&](DesignSummary&&) {
    if (++emitted == 10) cancel = true;
  }, &cancel);
  EXPECT_EQ(emitted, 10u);
}

TEST(CatalogueTest, AFailureWhileEmittingLetsTheWorkersGo) {
  TempFolder folder;
  const std::vector<DesignEntry> designs = MixedFolder(folder, 100);
  EXPECT_THROW(SummariseInOrder(designs, 4, [](DesignSummary&&) { throw std::runtime_error("output closed"); }),
               std::runtime_error);
}

}  // namespace
