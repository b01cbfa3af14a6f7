#include <gtest/gtest.h>

#include <algorithm>

#include "framework/Archive.h"
#include "tests/listing/ListingFixtures.h"
#include "tests/support/LoadedDocument.h"
#include "tests/support/ScriptedMessageBox.h"

namespace {

TEST(MillionSegmentsTest, DesignLoadsListsAndSavesWhole) {
  // Up and down in turn, so no two neighbours group and every segment is a line.
  constexpr int kSegments = 1'000'000;
  DesignDescription description;
  description.segments.reserve(kSegments);
  for (int i = 0; i < kSegments; ++i) description.segments.push_back({std::uint8_t(i % 2 ? 10 : 4)});
  const Bytes file = BuildDesignFile(description);

  DocumentFixture fixture;
  ScriptedMessageBox boxes;
  ASSERT_TRUE(fixture.Load(file));
  ASSERT_EQ(fixture.doc.m_nSegments, kSegments);

  RecordingFile listing;
  ListTrackToFile(fixture.doc, 30, listing);
  EXPECT_EQ(std::count(listing.text.begin(), listing.text.end(), '\n'), 5 + kSegments);
  EXPECT_NE(listing.text.find("1000000\t\t\tDown (31-30)\n"), std::string::npos);

  Bytes saved;
  CArchive archive(saved);
  fixture.doc.Serialize(archive);
  EXPECT_EQ(saved, file);
  EXPECT_TRUE(boxes.Shown().empty());
}

}  // namespace
