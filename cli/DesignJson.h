#pragma once

#include <cstdint>
#include <string>

class CDecoderDoc;

// The decoded design as a JSON document for other programs: header fields
// with their codes and names, the edition, every listed segment with its
// flags decoded and its elevations, and the listing's lines, listed from
// startElevation. Requires a loaded design. The README describes the fields.
std::string DesignJson(CDecoderDoc& doc, std::int32_t startElevation);
