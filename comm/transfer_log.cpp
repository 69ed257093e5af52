// Writing and trimming the transfer log.
#include "comm/transfer_log.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <system_error>

#include "base/texts.h"

namespace ordalis {

namespace {

std::string momentText(LocalTime moment) {
  const auto day = std::chrono::floor<std::chrono::days>(moment);
  const std::chrono::year_month_day date{day};
  const std::chrono::hh_mm_ss time{moment - day};
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u %02d:%02d:%02d", int(date.year()), unsigned(date.month()),
                unsigned(date.day()), int(time.hours().count()), int(time.minutes().count()),
                int(time.seconds().count()));
  return text;
}

// The text without tabs and line breaks, so one entry stays one line.
std::string oneField(std::string text) {
  for (char& c : text)
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  return text;
}

// Keeps the newest whole lines that fit below `limit` bytes.
bool trimToLimit(const std::filesystem::path& file, std::uintmax_t limit) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream whole;
  whole << in.rdbuf();
  const std::string text = whole.str();
  std::size_t start = text.size() >= limit ? text.size() - limit + 1 : 0;
  if (start > 0 && text[start - 1] != '\n') {
    start = text.find('\n', start);
    start = start == std::string::npos ? text.size() : start + 1;
  }
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << text.substr(start);
  return static_cast<bool>(out);
}

}  // namespace

TransferLogEntry TransferLogEntryOf(const std::string& direction, const TransferTarget& target,
                                    const TransferOutcome& outcome, const Texts& texts) {
  TransferLogEntry entry;
  entry.direction = direction;
  entry.port = target.port;
  entry.baudRate = target.baudRate;
  if (target.connect.modem.useModem) entry.modemNumber = target.connect.modem.telephone;
  entry.result = outcome.result;
  entry.resultText = outcome.result == transfer::kOk ? "OK" : texts.LoadText(outcome.result);
  entry.bytes = outcome.bytes;
  entry.verified = outcome.verified;
  return entry;
}

std::string TransferLogLine(const TransferLogEntry& entry) {
  char seconds[32];
  std::snprintf(seconds, sizeof seconds, "%.1f", entry.seconds);
  std::ostringstream line;
  line << momentText(entry.when) << '\t' << oneField(entry.direction) << '\t' << oneField(entry.port) << '\t'
       << entry.baudRate << '\t' << (entry.modemNumber.empty() ? "-" : oneField(entry.modemNumber)) << '\t'
       << entry.result << '\t' << oneField(entry.resultText) << '\t' << seconds << '\t' << entry.bytes << '\t'
       << entry.lines << '\t' << (entry.verified ? "verified" : "not verified");
  return line.str();
}

bool AppendTransferLog(const std::filesystem::path& file, const std::string& line, std::uintmax_t limit) {
  std::error_code error;
  if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), error);
  {
    std::ofstream out(file, std::ios::binary | std::ios::app);
    out << line << '\n';
    if (!out) return false;
  }
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  if (error) return false;
  // Trimming to three quarters of the limit leaves room for many lines
  // before the next trim.
  return size < limit || trimToLimit(file, limit / 4 * 3);
}

}  // namespace ordalis
