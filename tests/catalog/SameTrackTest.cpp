#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>

#include "catalog/SameTrack.h"
#include "tests/support/LoadedDocument.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TrackDesigns.h"

namespace {

constexpr std::uint8_t kTerminal = 0x08;
constexpr std::uint8_t kChainLift = 0x80;
constexpr std::uint8_t kInverted = 0x40;

// A circuit stored from its Middle station; it loads from its Begin station
// as 2, 3, 1, 0, 16. Reverse Track turns every piece (16 becomes 17, Begin
// and End swap) and reverses the order, and Save stores it from its Middle
// station again.
DesignDescription Circuit() { return DesignOf({{3}, {1, kTerminal}, {0}, {16}, {2, kTerminal}}); }

struct Design {
  const char* name;
  std::vector<std::uint8_t> file;
  const char* sameTrackAs;  // nullptr: none
  const char* variant;
};

std::vector<Design> Designs() {
  DesignDescription otherRide = Circuit();
  otherRide.rideType = 52;
  otherRide.vehicleType = 2;
  otherRide.operatingMode = 0;
  otherRide.trains = 3;
  otherRide.carsPerTrain = 2;
  otherRide.afterTrack = {0x01, 0x02, 0x03};
  DesignDescription laterEdition = Circuit();
  laterEdition.flags = 0x04;  // the track list at the other offset
  return {
      {"c1-circuit.td4", BuildDesignFile(Circuit()), nullptr, nullptr},
      {"c2-mirrored.td4", BuildDesignFile(DesignOf({{3}, {1, kTerminal}, {0}, {17}, {2, kTerminal}})), "c1-circuit.td4",
       "mirrored"},
      {"c3-reversed.td4", BuildDesignFile(DesignOf({{3}, {1, kTerminal}, {17}, {0}, {2, kTerminal}})), "c1-circuit.td4",
       "reversed"},
      {"c4-alternative.td4", BuildDesignFile(Circuit(), kAltChecksumOffset), "c1-circuit.td4", "same"},
      {"c5-other-ride.td4", BuildDesignFile(otherRide), "c1-circuit.td4", "same"},
      {"c6-later-edition.td4", BuildDesignFile(laterEdition), "c1-circuit.td4", "same"},
      {"c7-one-flag.td4", BuildDesignFile(DesignOf({{3}, {1, kTerminal}, {0, kInverted}, {16}, {2, kTerminal}})),
       nullptr, nullptr},
      // Diagonal level to steep: mirroring leaves 154 and 155 and swaps 156
      // and 157, reversing pairs 154 with 157 and 155 with 156, so the two do
      // not commute and eight tracks are reached.
      {"d1-diagonal.td4", BuildDesignFile(DesignOf({{154}, {18}})), nullptr, nullptr},
      {"d2-mirrored.td4", BuildDesignFile(DesignOf({{154}, {19}})), "d1-diagonal.td4", "mirrored"},
      {"d3-reversed.td4", BuildDesignFile(DesignOf({{21}, {157}})), "d1-diagonal.td4", "reversed"},
      {"d4-mirrored-reversed.td4", BuildDesignFile(DesignOf({{20}, {157}})), "d1-diagonal.td4",
       "mirrored, then reversed"},
      {"d5-reversed-mirrored.td4", BuildDesignFile(DesignOf({{20}, {156}})), "d1-diagonal.td4",
       "reversed, then mirrored"},
      {"d6-three-steps.td4", BuildDesignFile(DesignOf({{155}, {19}})), "d1-diagonal.td4",
       "reversed, then mirrored, then reversed"},
      // Four steps either way round: mirror first.
      {"d7-four-steps.td4", BuildDesignFile(DesignOf({{155}, {18}})), "d1-diagonal.td4",
       "mirrored, then reversed, then mirrored, then reversed"},
      // Reverse Track refuses a chain lift, so only the mirror is the same track.
      {"l1-lift.td4", BuildDesignFile(DesignOf({{2, kTerminal}, {6, kChainLift}, {9}, {16}, {12}, {1, kTerminal}})),
       nullptr, nullptr},
      {"l2-mirrored.td4", BuildDesignFile(DesignOf({{2, kTerminal}, {6, kChainLift}, {9}, {17}, {12}, {1, kTerminal}})),
       "l1-lift.td4", "mirrored"},
      {"l3-reversed.td4",
       BuildDesignFile(DesignOf({{2, kTerminal}, {9}, {17}, {12}, {15, kChainLift}, {1, kTerminal}})), nullptr,
       nullptr},
      {"x-damaged.td4", {0x01, 0x02}, nullptr, nullptr},
  };
}

TEST(SameTrackTest, EachDesignNamesTheFirstThatSharesItsTrackAndHow) {
  TempFolder folder;
  SameTrackFinder finder;
  std::map<std::string, TrackDigest> keys;
  for (const Design& design : Designs()) {
    DesignSummary summary = SummariseDesign(folder.Write(design.name, design.file));
    finder.Place(summary);
    EXPECT_EQ(summary.sameTrackAs, design.sameTrackAs ? folder.Path(design.sameTrackAs) : "") << design.name;
    EXPECT_EQ(StepWords(summary.variant), design.variant ? design.variant : "same") << design.name;
    if (summary.loaded) keys[design.sameTrackAs ? design.sameTrackAs : design.name] = summary.track.key;
    if (design.sameTrackAs) {
      EXPECT_EQ(summary.track.key, keys.at(design.sameTrackAs)) << design.name;
    }
  }
  // One key per track, none shared.
  std::set<TrackDigest> distinct;
  for (const auto& [name, key] : keys) distinct.insert(key);
  EXPECT_EQ(distinct.size(), keys.size());
  EXPECT_EQ(keys.size(), 5u);
}

// The key is the smallest SHA-256 digest of the eight tracks' code and flags
// bytes, as sha256sum gives it: here that of 154, 0, 18, 0.
TEST(SameTrackTest, TheKeyIsTheSmallestDigestOfTheTracksReached) {
  TempFolder folder;
  const DesignSummary summary = SummariseDesign(folder.Write("d7.td4", BuildDesignFile(DesignOf({{155}, {18}}))));
  EXPECT_EQ(DigestText(summary.track.key), "135b7a1ca0ee11aeb7d9183727dad91df60436a995626df0d774b5acfcafcbbf");
  EXPECT_EQ(summary.track.variants.size(), 8u);
}

// Every design of a track has the track's key and leads back to the others,
// also where Reverse Track on stations laid oddly (an End station leading)
// leads one way only. Short tracks of stations, handed and diagonal pieces,
// some with a chain lift or a launched lift hill.
TEST(SameTrackTest, EveryDesignOfATrackHasItsKeyAndLeadsBack) {
  const std::uint8_t pieces[] = {0, 1, 2, 3, 3, 6, 16, 18, 24, 154, 155, 156, 157, 182};
  std::mt19937 random(22);
  for (int track = 0; track < 300; ++track) {
    DesignDescription design;
    const int length = 1 + int(random() % 7);
    for (int i = 0; i < length; ++i) {
      const std::uint8_t code = pieces[random() % std::size(pieces)];
      const std::uint8_t flags = code <= 3 ? kTerminal : random() % 16 == 0 ? kChainLift : 0;
      design.segments.push_back({code, flags});
    }
    DocumentFixture origin;
    ASSERT_TRUE(origin.Load(BuildDesignFile(design)));
    const TrackIdentity identity = IdentifyTrack(origin.doc);
    EXPECT_LE(identity.variants.size(), 8u);
    for (const TrackVariant& variant : identity.variants) {
      DocumentFixture reached;
      ASSERT_TRUE(reached.Load(BuildDesignFile(design)));
      for (const TrackStep step : variant.steps) ASSERT_TRUE(TakeStep(reached.doc, step));
      const TrackIdentity back = IdentifyTrack(reached.doc);
      EXPECT_EQ(back.key, identity.key) << "track " << track;
      EXPECT_NE(back.StepsTo(identity.variants.front().digest), nullptr) << "track " << track;
    }
  }
}

}  // namespace
