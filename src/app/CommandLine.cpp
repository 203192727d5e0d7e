#include "app/CommandLine.h"

#include <cstdlib>

namespace tesmor {

namespace {
bool TakeValue(const std::vector<std::string>& args, std::size_t& i, const std::string& name, std::string& value,
               std::string& error) {
  const std::string& arg = args[i];
  const std::string prefix = name + "=";
  if (arg.rfind(prefix, 0) == 0) {
    value = arg.substr(prefix.size());
    return true;
  }
  if (arg != name) return false;
  if (i + 1 >= args.size()) {
    error = "option " + name + " needs a value";
    return true;
  }
  value = args[++i];
  return true;
}

bool ParseDpi(const std::string& text, int& dpi) {
  char* end = nullptr;
  const long v = std::strtol(text.c_str(), &end, 10);
  if (end == text.c_str() || *end != '\0' || v < 10 || v > 2400) return false;
  dpi = static_cast<int>(v);
  return true;
}
}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
  CommandLine cl;
  bool dump = false;
  bool legend = false;
  std::vector<std::string> files;
  for (std::size_t i = 0; i < args.size() && cl.error.empty(); ++i) {
    const std::string& arg = args[i];
    std::string value;
    if (arg == "--help" || arg == "-h") {
      cl.mode = RunMode::Help;
      return cl;
    }
    if (arg == "--version" || arg == "-V") {
      cl.mode = RunMode::Version;
      return cl;
    }
    if (arg == "--dump") {
      dump = true;
    } else if (arg == "--reformat") {
      cl.reformat = true;
    } else if (arg == "--pattern-legend") {
      legend = true;
    } else if (TakeValue(args, i, "-o", cl.output, cl.error) ||
               TakeValue(args, i, "--export-filename", cl.output, cl.error) ||
               TakeValue(args, i, "--export-type", cl.exportType, cl.error) ||
               TakeValue(args, i, "--export-page", cl.exportPages, cl.error) ||
               TakeValue(args, i, "--paper", cl.paper, cl.error) ||
               TakeValue(args, i, "--form", cl.form, cl.error) ||
               TakeValue(args, i, "--settings-dir", cl.settingsDir, cl.error)) {
      // taken
    } else if (TakeValue(args, i, "--export-dpi", value, cl.error)) {
      if (cl.error.empty() && !ParseDpi(value, cl.exportDpi)) cl.error = "bad --export-dpi value: " + value;
    } else if (arg.size() > 1 && arg[0] == '-') {
      cl.error = "unknown option: " + arg;
    } else {
      files.push_back(arg);
    }
  }
  if (!cl.error.empty()) return cl;
  if (files.size() > 1) {
    cl.error = "more than one data file given";
    return cl;
  }
  if (!files.empty()) cl.file = files.front();
  if (!cl.form.empty() && cl.form != "soil" && cl.form != "rock") {
    cl.error = "--form takes soil or rock";
    return cl;
  }
  if (!cl.exportType.empty() && cl.exportType != "pdf" && cl.exportType != "svg" && cl.exportType != "png") {
    cl.error = "--export-type takes pdf, svg or png";
    return cl;
  }
  if (legend) {
    cl.mode = RunMode::PatternLegend;
    if (cl.output.empty()) cl.error = "--pattern-legend needs -o OUT";
  } else if (dump) {
    cl.mode = RunMode::Dump;
    if (cl.file.empty()) cl.error = "--dump needs a data file";
  } else if (cl.reformat && !cl.output.empty() && !cl.file.empty() && cl.exportType.empty() &&
             (cl.output.size() < 4 || (cl.output.substr(cl.output.size() - 4) != ".pdf" &&
                                       cl.output.substr(cl.output.size() - 4) != ".svg" &&
                                       cl.output.substr(cl.output.size() - 4) != ".png"))) {
    cl.mode = RunMode::Reformat;
  } else if (!cl.output.empty()) {
    cl.mode = RunMode::Export;
    if (cl.file.empty()) cl.error = "-o needs a data file";
  }
  return cl;
}

std::string UsageText() {
  return "Usage:\n"
         "  tesmor [FILE]                      open the window (and FILE)\n"
         "  tesmor -o OUT FILE [options]       export pages without a window\n"
         "      --export-filename=OUT          same as -o OUT\n"
         "      --export-type pdf|svg|png      default: from OUT's suffix\n"
         "      --export-page N|A-B|all        default: all\n"
         "      --export-dpi N                 PNG and PDF resolution (default 300)\n"
         "      --paper A3|A4|B4|...           PDF and SVG paper (default A3)\n"
         "      --form soil|rock               override the form the file chose\n"
         "      --settings-dir DIR             the install folder to use\n"
         "      --reformat                     read FILE through the XML reformatter first\n"
         "  tesmor --reformat IN -o OUT.xml    write the reformatted XML file\n"
         "  tesmor --dump FILE                 print the loaded boring as JSON\n"
         "  tesmor --pattern-legend -o OUT     draw the lithology pattern legend\n"
         "  tesmor --help | --version\n"
         "\n"
         "Exit status: 0 done, 1 the file could not be read or is not a boring file, 2 bad usage.\n";
}

}  // namespace tesmor
