#pragma once

#include <cstdint>
#include <cstdio>

class CDecoderDoc;

// Writes the decoded design to out as a JSON document for other programs, as
// it is made: the format version, the file's name and path, header fields
// with their codes and names, the edition, every listed segment with its
// flags decoded and its elevations, and the listing's lines, listed from
// startElevation. Memory does not grow with the segment count. Requires a
// loaded design. The README describes the fields.
void WriteDesignJson(CDecoderDoc& doc, std::int32_t startElevation, std::FILE* out);
