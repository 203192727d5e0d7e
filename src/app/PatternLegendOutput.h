// The pattern legend as a file: `tesmor --pattern-legend -o OUT.pdf` (or .png, .svg).
#pragma once

#include <QString>
#include <span>

#include "app/PageOutput.h"
#include "draw/PatternLegend.h"

namespace tesmor {

struct CommandLine;
struct SettingsStore;

// Writes the legend pages on A4 portrait paper: all pages into one PDF, or one PNG
// or SVG file per page (OUT-1.png, OUT-2.png ...); dpi the device resolution. False with *error set when a file cannot be written.
bool WritePatternLegend(const QString& path, PageFileType type, int dpi,
                        std::span<const PatternLegendEntry> entries, QString* error);

// The --pattern-legend command: the catalogue and colours of the loaded settings
// (the built-in catalogue when the install folder has none), the type from
// --export-type or OUT's suffix, the resolution from --export-dpi. Needs a Qt
// application object. Returns the exit status: 0 written, 1 not written, 2 bad usage.
int RunPatternLegend(const CommandLine& cl, const SettingsStore& settings);

}  // namespace tesmor
