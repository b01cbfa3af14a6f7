#pragma once

#include <string>

#include "catalog/DesignSummary.h"

// A catalogue as a table for people: columns of fixed widths, so that rows
// line up while they stream, and the file's name last, where its length
// disturbs nothing. A refused design shows its message across the middle
// columns. Names and messages are escaped as DisplayName does.

// The header row, with its line end.
std::string CatalogTableHeader();

// The design's row, with its line end.
std::string CatalogTableRow(const DesignSummary& summary);
