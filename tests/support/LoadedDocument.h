#pragma once

#include <string>
#include <vector>

#include "framework/DocumentTemplate.h"
#include "tests/support/Bytes.h"
#include "tests/support/RecordingHost.h"
#include "trackfile/DecoderDoc.h"

// A document with the framework around it, as the program sets them up.
struct DocumentFixture {
  DocumentFixture() { docTemplate.OnFileNew(); }

  // Opens bytes as if read from a file of that name; returns what the open sequence returned.
  bool Load(const Bytes& file, const std::string& path = "/designs/track.td4") {
    return docTemplate.LoadDocument(file, file.size(), path);
  }

  // The segment codes, in display order.
  std::vector<int> Codes() const {
    std::vector<int> codes;
    for (int i = 0; i < doc.m_nSegments; ++i) codes.push_back(doc.m_pSegments[i].code);
    return codes;
  }

  // The track list as the design buffer holds it, codes only.
  std::vector<int> TrackListCodes() const {
    std::vector<int> codes;
    for (int i = 0; i < doc.m_nSegments; ++i) codes.push_back(doc.m_pTrackList[2 * i]);
    return codes;
  }

  Bytes Design() const { return doc.m_pData ? Bytes(doc.m_pData, doc.m_pData + doc.m_nDataLen) : Bytes{}; }

  CDecoderDoc doc;
  RecordingHost host;
  CSingleDocTemplate docTemplate{doc, host};
};
