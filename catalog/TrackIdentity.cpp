#include "catalog/TrackIdentity.h"

#include <algorithm>

#include <nettle/base16.h>
#include <nettle/sha2.h>

#include "trackfile/DecoderDoc.h"
#include "trackfile/TrackState.h"

namespace {

static_assert(std::tuple_size_v<TrackDigest> == SHA256_DIGEST_SIZE);

// After every step the track list holds the array's codes and flags in the
// array's order, so its bytes are the segments as the window lists them.
TrackDigest DigestOf(const CDecoderDoc& doc) {
  sha256_ctx context;
  sha256_init(&context);
  sha256_update(&context, 2 * std::size_t(doc.m_nSegments), doc.m_pTrackList);
  TrackDigest digest;
  sha256_digest(&context, digest.size(), digest.data());
  return digest;
}

// A loaded design as far as steps see it: an open circuit is saved in another
// order than a closed one, so the same segments may lead on differently.
// next holds where each step leads, by index; kNowhere where it is refused.
struct Reached {
  TrackDigest digest;
  bool openCircuit;
  TrackSteps steps;
  std::array<std::size_t, 2> next;
};

constexpr std::size_t kNowhere = ~std::size_t(0);

// Puts the design back as it was loaded, whatever steps were taken since.
class LoadedTrack {
public:
  explicit LoadedTrack(CDecoderDoc& doc)
      : m_doc(doc),
        m_state(CaptureTrackState(doc)),
        m_bOpenCircuit(doc.m_bOpenCircuit),
        m_bModified(doc.IsModified()) {}
  ~LoadedTrack() { Restore(); }
  LoadedTrack(const LoadedTrack&) = delete;
  LoadedTrack& operator=(const LoadedTrack&) = delete;

  void Restore() {
    RestoreTrackState(m_doc, m_state);
    m_doc.m_bOpenCircuit = m_bOpenCircuit;
    m_doc.SetModifiedFlag(m_bModified);
  }

private:
  CDecoderDoc& m_doc;
  TrackState m_state;
  int m_bOpenCircuit;
  bool m_bModified;
};

}  // namespace

const TrackSteps* TrackIdentity::StepsTo(const TrackDigest& digest) const {
  const auto found = std::ranges::find(variants, digest, &TrackVariant::digest);
  return found == variants.end() ? nullptr : &found->steps;
}

namespace {

// Every design steps lead to from the loaded one. Breadth first, mirror
// before reverse: the first way to reach a design is one of the fewest steps,
// and among those the one that mirrors first.
std::vector<Reached> TakeEveryStep(CDecoderDoc& doc, LoadedTrack& loaded) {
  std::vector<Reached> reached = {{DigestOf(doc), doc.m_bOpenCircuit != 0, {}, {kNowhere, kNowhere}}};
  for (std::size_t next = 0; next < reached.size(); ++next) {
    for (const TrackStep step : {TrackStep::Mirror, TrackStep::Reverse}) {
      // Replayed from the loaded design rather than kept: a copy per design
      // reached would cost more memory than the steps cost time.
      loaded.Restore();
      TrackSteps steps = reached[next].steps;
      for (const TrackStep taken : steps) TakeStep(doc, taken);
      if (!TakeStep(doc, step)) continue;
      const TrackDigest digest = DigestOf(doc);
      const bool openCircuit = doc.m_bOpenCircuit != 0;
      const auto known = std::ranges::find_if(
          reached, [&](const Reached& r) { return r.digest == digest && r.openCircuit == openCircuit; });
      reached[next].next[std::size_t(step)] = std::size_t(known - reached.begin());
      if (known == reached.end()) {
        steps.push_back(step);
        reached.push_back({digest, openCircuit, std::move(steps), {kNowhere, kNowhere}});
      }
    }
  }
  return reached;
}

// Which of them lead back to the loaded design (the first).
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

TrackIdentity IdentifyTrack(CDecoderDoc& doc) {
  LoadedTrack loaded(doc);
  std::vector<Reached> reached = TakeEveryStep(doc, loaded);
  // A step is undone by steps on every track whose stations run from Begin to
  // End. Reverse Track on stations laid otherwise (an End station leading)
  // can lead where reversing again does not lead back: such designs are not
  // the same track as this one, or designs of one track could differ in key.
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
