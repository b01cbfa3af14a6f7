#pragma once

#include <cstdint>
#include <memory>

#include "framework/Document.h"
#include "framework/Exceptions.h"
#include "trackfile/TrackSegment.h"

// The design's track list could not be turned into segments.
class CTrackDataException : public CException {
public:
  CTrackDataException() : CException("track data") {}
};

// What a command that needs a design says of a file that loads as none: an
// empty file, or one whose body unpacks to nothing.
inline constexpr const char* kEmptyDesignMessage = "The file holds no track design.";

// The program's one document: the unpacked design buffer of the open track
// design file, the working array of its track segments, and what the loader
// found out about the file's edition and the shape of its track.
//
// The views read the members directly. After every change of the segment array
// the track list inside the design buffer holds the same codes and flags in the
// same order (StoreTrackList).
class CDecoderDoc : public CDocument {
public:
  // Largest design buffer a file may unpack to; no real design comes near it,
  // and the cap keeps a hostile file from taking the machine's memory.
  static constexpr int kMaxDesignLength = 16 * 1024 * 1024;
  static constexpr int kGrowStep = 1024;

  CDecoderDoc() = default;
  ~CDecoderDoc() override;

  // Loading answers every question No and keeps no outcome; Load tells it.
  void Serialize(CArchive& ar) override;
  // Refuses, leaving the document empty, a design whose track list cannot be
  // read ("Error processing track data.") and a hedge maze; a trailer that
  // matches neither checksum offset asks first. A body that would unpack past
  // kMaxDesignLength throws CFileException (tooLarge, naming the archive's
  // file), one that finds no memory to unpack into CMemoryException.
  Outcome Load(CArchive& ar, const AskQuestion& ask) override;
  void DeleteContents() override;
  // No design buffer: nothing loaded, a file refused, or a file with an empty body.
  bool IsEmpty() const override { return !m_pData; }
  std::uint64_t MaxLoadLength() const override;
  // The most a design file of fileBytes bytes can unpack to: everything else a
  // loaded design holds grows with it.
  static std::uint64_t MostUnpackedFrom(std::uint64_t fileBytes);

  // Builds the segment array from the design buffer's track list, brings a
  // circuit's stations to the front and sets m_bOpenCircuit. Throws
  // CTrackDataException when the buffer holds no complete track list and
  // CMemoryException when the array cannot be allocated.
  void ParseTrackList();

  // Rotates the segment array by one place: nonzero direction moves every record
  // towards the front (the first becomes the last), 0 towards the back.
  void RotateSegments(int direction);

  // Writes code and flags of every record into the track list, in array order.
  void StoreTrackList();

  // Brings a circuit's array and track list into the order Save writes them
  // (an open circuit is written as it stands); returns the places the array
  // was rotated by, 0 when it stayed.
  int PutTrackListInFileOrder();

  // Turns every handed piece into its twin of the other hand (MirrorCode) and
  // stores the track list. Marks the document modified when a code changed.
  void MirrorTrack();

  // Makes the ride run the other way: every piece turned round (ReverseCode),
  // the order reversed, the stations brought back to the front, the track list
  // stored and the document marked modified. Returns 0 when done, 1 when it
  // refused, changing nothing, because a piece has a chain lift or is a
  // launched lift hill.
  int ReverseTrack();

  // False when ReverseTrack would refuse: a piece has a chain lift or is a
  // launched lift hill.
  bool CanReverse() const;

  // Makes room for count (1..129) more bytes at the end of the design buffer and
  // adds them to m_nDataLen. The allocation stays a multiple of kGrowStep and
  // larger than m_nDataLen. Returns false, changing nothing, when the buffer
  // cannot grow or would pass kMaxDesignLength.
  bool GrowData(int count);

  int m_bBadChecksum = 1;
  int m_bAltChecksum = 0;
  int m_bOpenCircuit = 0;
  int m_nSegments = 0;
  std::unique_ptr<TrackSegment[]> m_pSegments;
  int m_nDataLen = 0;
  int m_nDataAlloc = 0;
  std::uint8_t* m_pData = nullptr;
  std::uint8_t* m_pTrackList = nullptr;

private:
  Outcome LoadDesign(CArchive& ar, const AskQuestion& ask);
  void StoreDesign(CArchive& ar);
  // Unpacks the body into the design buffer: 0, or the length of the run for
  // which the buffer could not grow (GrowData).
  int UnpackBody(CArchive& ar, std::uint32_t& checksum);
  void CompareTrailer(std::uint32_t trailer, std::uint32_t checksum);
  void RotateSegmentsBy(int places);
  int RotationToFileOrder() const;
};
