#pragma once
// One entry per file reader (and, where a reader has one, the program's own use of what it
// read): bytes in, and the process aborts when a property the program relies on breaks. The
// fuzz targets call them under libFuzzer; the corpus test replays the saved inputs.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace veltrane::fuzz {

using Entry = void (*)(const uint8_t* data, size_t size);

struct NamedEntry {
  const char* name;  // also the corpus folder's name
  Entry entry;
};

// "Settings.ini" (and "SETS.INI"): read, write back what was read, read again.
void SettingsFile(const uint8_t* data, size_t size);
// "Mstars.dat": records and their catalogue places.
void StarFile(const uint8_t* data, size_t size);
// "Position.txt": the names, the places, and a place written back reads the same.
void PositionFile(const uint8_t* data, size_t size);
// The editor's checker over every line of "Position.txt".
void PositionCheck(const uint8_t* data, size_t size);
// A compass table "*.cmp" and lookups in it.
void CompassTable(const uint8_t* data, size_t size);
// The command-line tool's arguments (separated by NUL bytes), run in this process; commands
// that reach the network or write files the input names are left out.
void CommandLine(const uint8_t* data, size_t size);
// A download server's answer to the update check: only a version number comes out of it.
void UpdateAnswer(const uint8_t* data, size_t size);

const std::vector<NamedEntry>& Entries();

}  // namespace veltrane::fuzz
