#pragma once

#include <string>
#include <string_view>

#include "catalog/DesignSummary.h"

// A catalogue as CSV (RFC 4180): a header row, then one row per design, each
// ending in CR LF. The cells of a loaded design's fields are empty for one
// that was refused; true and false are written as such.

// The header row, with its line end.
std::string CatalogCsvHeader();

// The design's row, in two parts: the cells the design's own summary gives,
// and after them those that come of the designs before it (same_track_as and
// variant) with the line end.
std::string CatalogCsvRowStart(const DesignSummary& summary);
std::string CatalogCsvRowEnd(const DesignSummary& summary);

// field as a CSV cell: quoted, with its quotes doubled, when it holds a comma,
// a quote, a carriage return or a line feed; else as it is.
std::string CsvCell(std::string_view field);
