#include "readers/BoringDump.h"

#include <charconv>
#include <cmath>

#include "record/TextUtil.h"

namespace tesmor {

std::string JsonString(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 2);
  out.push_back('"');
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20) out += Format("\\u%04x", c);
        else out.push_back(ch);
    }
  }
  out.push_back('"');
  return out;
}

std::string JsonNumber(double value) {
  if (!std::isfinite(value)) return "null";
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string DumpBoringJson(const BoringRecord& record, const ShellState& shell, const std::vector<int>& notices) {
  std::string out;
  out.reserve(64 * 1024);
  out += "{\n";
  out += Format("  \"kind\": %d,\n  \"lastLineResult\": %d,\n  \"form\": %d,\n", shell.FileKind,
                shell.LastLineResult, shell.FormSelector);
  out += "  \"totalDepth\": " + JsonNumber(TotalDepth(record)) + ",\n";

  out += "  \"notices\": [";
  for (std::size_t i = 0; i < notices.size(); ++i) out += (i ? ", " : "") + std::to_string(notices[i]);
  out += "],\n";

  out += "  \"heading\": {";
  bool first = true;
  for (int s = 0; s < kHeadingSlots; ++s) {
    const std::string& text = record.heading(s);
    if (text.empty()) continue;
    out += first ? "\n" : ",\n";
    first = false;
    out += "    " + JsonString(std::to_string(s)) + ": " + JsonString(text);
  }
  out += first ? "},\n" : "\n  },\n";

  out += "  \"tables\": {";
  for (int t = 0; t < kTableCount; ++t) {
    const TextTable& table = record.table(static_cast<TableId>(t));
    out += t ? ",\n" : "\n";
    out += "    " + JsonString(table.layout().name) + ": [";
    const int rows = table.RowCount();
    for (int r = 1; r <= rows; ++r) {
      out += r > 1 ? ",\n      [" : "\n      [";
      for (int c = 0; c < table.width(); ++c) {
        if (c) out += ", ";
        out += JsonString(table.get(r, c));
      }
      out += "]";
    }
    out += rows > 0 ? "\n    ]" : "]";
  }
  out += "\n  },\n";

  out += "  \"density\": [";
  first = true;
  for (int r = 1; r <= DensityRows::kRows; ++r) {
    const double depth = record.Density.depth[static_cast<std::size_t>(r)];
    if (!(depth >= 0.0)) continue;
    out += first ? "\n" : ",\n";
    first = false;
    out += "    {\"depth\": " + JsonNumber(depth) +
           Format(", \"density\": %d, \"consistency\": %d}", record.Density.density[static_cast<std::size_t>(r)],
                  record.Density.consistency[static_cast<std::size_t>(r)]);
  }
  out += first ? "]\n" : "\n  ]\n";
  out += "}\n";
  return out;
}

}  // namespace tesmor
