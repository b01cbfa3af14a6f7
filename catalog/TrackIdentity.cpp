#include "catalog/TrackIdentity.h"

#include <algorithm>
#include <span>

#include <nettle/base16.h>
#include <nettle/sha2.h>

#include "trackfile/DecoderDoc.h"

namespace {

static_assert(std::tuple_size_v<TrackDigest> == SHA256_DIGEST_SIZE);

constexpr std::size_t kNowhere = ~std::size_t(0);

// A design that steps led to: its segments as the track list holds them (kept
// only until both steps from it are taken, but for the loaded design's), and
// whether it is an open circuit, which Save writes in another order, so the
// same segments may lead on differently. next tells, by index, where each
// step leads from here; kNowhere where it is refused.
struct Reached {
  std::vector<std::uint8_t> trackList;
  bool openCircuit;
  TrackDigest digest;
  TrackSteps steps;
  std::array<std::size_t, 2> next = {kNowhere, kNowhere};
};

// After every step the track list holds the array's codes and flags in the
// array's order, so its bytes are the segments as the window lists them.
std::span<const std::uint8_t> TrackListOf(const CDecoderDoc& doc) {
  return {doc.m_pTrackList, 2 * std::size_t(doc.m_nSegments)};
}

TrackDigest DigestOf(std::span<const std::uint8_t> trackList) {
  TrackDigest digest;
  sha256_ctx context;
  sha256_init(&context);
  sha256_update(&context, trackList.size(), trackList.data());
  sha256_digest(&context, digest.size(), digest.data());
  return digest;
}

// The design in the document, reached by steps, with its digest.
Reached Capture(const CDecoderDoc& doc, const TrackDigest& digest, TrackSteps steps) {
  const std::span<const std::uint8_t> trackList = TrackListOf(doc);
  return {{trackList.begin(), trackList.end()}, doc.m_bOpenCircuit != 0, digest, std::move(steps)};
}

// Puts a design reached back into the document as loading it would leave it,
// but for the elevations, which the next listing works out.
void PutBack(CDecoderDoc& doc, const Reached& reached) {
  std::ranges::copy(reached.trackList, doc.m_pTrackList);
  for (int i = 0; i < doc.m_nSegments; ++i)
    doc.m_pSegments[i] = {reached.trackList[2 * std::size_t(i)], reached.trackList[2 * std::size_t(i) + 1], 0, 0};
  doc.m_bOpenCircuit = reached.openCircuit;
}

// Every design steps lead to from the loaded one. Breadth first, mirror
// before reverse: the first way to reach a design is one of the fewest steps,
// and among those the one that mirrors first.
std::vector<Reached> TakeEveryStep(CDecoderDoc& doc) {
  std::vector<Reached> reached;
  reached.push_back(Capture(doc, DigestOf(TrackListOf(doc)), {}));
  for (std::size_t from = 0; from < reached.size(); ++from) {
    for (const TrackStep step : {TrackStep::Mirror, TrackStep::Reverse}) {
      PutBack(doc, reached[from]);
      if (!TakeStep(doc, step)) continue;
      // A design is copied only when it is new: a track of millions of
      // segments then holds few copies of its list at once.
      const TrackDigest digest = DigestOf(TrackListOf(doc));
      const bool openCircuit = doc.m_bOpenCircuit != 0;
      const auto known = std::ranges::find_if(
          reached, [&](const Reached& r) { return r.digest == digest && r.openCircuit == openCircuit; });
      const std::size_t index = std::size_t(known - reached.begin());
      reached[from].next[std::size_t(step)] = index;
      if (known != reached.end()) continue;
      TrackSteps steps = reached[from].steps;
      steps.push_back(step);
      reached.push_back(Capture(doc, digest, std::move(steps)));
    }
    if (from > 0) std::vector<std::uint8_t>().swap(reached[from].trackList);
  }
  PutBack(doc, reached.front());
  return reached;
}

// Which of them lead back to the loaded design, the first.
std::vector<bool> LeadingBack(const std::vector<Reached>& reached) {
  std::vector<bool> back(reached.size(), false);
  back[0] = true;
  for (bool grew = true; grew;) {
    grew = false;
    for (std::size_t i = 0; i < reached.size(); ++i)
      if (!back[i] && std::ranges::any_of(reached[i].next, [&](std::size_t n) { return n != kNowhere && back[n]; }))
        back[i] = grew = true;
  }
  return back;
}

}  // namespace

const TrackSteps* TrackIdentity::StepsTo(const TrackDigest& digest) const {
  const auto found = std::ranges::find(variants, digest, &TrackVariant::digest);
  return found == variants.end() ? nullptr : &found->steps;
}

TrackIdentity IdentifyTrack(CDecoderDoc& doc) {
  const bool modified = doc.IsModified();
  std::vector<Reached> reached = TakeEveryStep(doc);
  doc.SetModifiedFlag(modified);
  // Reverse Track on some station layouts (an End station leading) leads
  // where reversing again does not lead back: designs that do not lead back
  // are another track, or designs of one track could differ in key.
  const std::vector<bool> back = LeadingBack(reached);
  TrackIdentity identity;
  for (std::size_t i = 0; i < reached.size(); ++i)
    if (back[i] && !identity.StepsTo(reached[i].digest))
      identity.variants.push_back({reached[i].digest, std::move(reached[i].steps)});
  identity.key = std::ranges::min(identity.variants, {}, &TrackVariant::digest).digest;
  return identity;
}

std::string DigestText(const TrackDigest& digest) {
  std::string text(BASE16_ENCODE_LENGTH(digest.size()), '\0');
  base16_encode_update(text.data(), digest.size(), digest.data());
  return text;
}
