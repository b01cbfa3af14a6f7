#pragma once

#include <string>
#include <string_view>

#include "catalog/DesignSummary.h"

// A catalogue as CSV (RFC 4180): a header row, then one row per design, each
// ending in CR LF. The cells of a loaded design's fields are empty for one
// that was refused; true and false are written as such.

// The header row, with its line end.
std::string CatalogCsvHeader();

// The design's row, with its line end.
std::string CatalogCsvRow(const DesignSummary& summary);

// field as a CSV cell: quoted, with its quotes doubled, when it holds a comma,
// a quote, a carriage return or a line feed; else as it is.
std::string CsvCell(std::string_view field);
