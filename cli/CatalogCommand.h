#pragma once

struct CommandLine;

// td4 catalog: one row per design of the files and folders given, in their
// order, as a table, CSV or JSON Lines. Exit status: success when every
// design loads and fits, out of range when some do not, failure when
// standard output could not be written.
int RunCatalog(const CommandLine& line);
