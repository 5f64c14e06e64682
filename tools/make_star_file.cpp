// Turns the star list (CSV: name, RA, Dec, proper motions, SAO, magnitude) into "Mstars.dat".
#include <fstream>
#include <iostream>
#include <sstream>
#include <vector>

#include "astro/star_record.h"
#include "foundation/calendar.h"
#include "foundation/text_file.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: make_star_file stars.csv Mstars.dat\n";
    return 2;
  }
  const auto lines = veltrane::ReadTextLines(argv[1]);
  if (!lines || lines->empty()) {
    std::cerr << "cannot read " << argv[1] << "\n";
    return 1;
  }
  std::string bytes;
  for (size_t i = 1; i < lines->size(); ++i) {  // line 0 is the header
    const std::string& line = (*lines)[i];
    if (veltrane::TrimBlanks(line).empty()) continue;
    using veltrane::GetField;
    const veltrane::StarRecord star{GetField(line, ',', 0), GetField(line, ',', 1), GetField(line, ',', 2),
                                    GetField(line, ',', 3), GetField(line, ',', 4), GetField(line, ',', 5),
                                    GetField(line, ',', 6)};
    bytes += veltrane::EncodeStarRecord(star);
  }
  if (!veltrane::WriteFileAtomically(argv[2], bytes)) {
    std::cerr << "cannot write " << argv[2] << "\n";
    return 1;
  }
  return 0;
}
