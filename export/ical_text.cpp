// Escaping and folding of iCalendar content lines.
#include "export/ical_text.h"

namespace ordalis {

namespace {

constexpr size_t kMaxLineOctets = 75;

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

std::string EscapeText(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (char c : text) {
    const auto octet = static_cast<unsigned char>(c);
    if (c == '\\' || c == ';' || c == ',') {
      escaped += '\\';
      escaped += c;
    } else if (c == '\n') {
      escaped += "\\n";
    } else if ((octet < 0x20 && c != '\t') || octet == 0x7F) {
      continue;
    } else {
      escaped += c;
    }
  }
  return escaped;
}

std::string FoldedLine(std::string_view line) {
  std::string folded;
  size_t room = kMaxLineOctets;
  while (line.size() > room) {
    size_t cut = room;
    while (cut > 0 && IsContinuationByte(line[cut])) --cut;
    folded.append(line.substr(0, cut));
    folded += "\r\n ";
    line.remove_prefix(cut);
    room = kMaxLineOctets - 1;  // the leading space counts
  }
  folded.append(line);
  folded += "\r\n";
  return folded;
}

}  // namespace ordalis
