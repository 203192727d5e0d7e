// Page output: a sequence of pages, each drawn by a callback on a surface, into a
// multi-page PDF, one SVG or PNG file per page, or a printer.
//
//   const std::vector<int> pages = {1, 2, 3};
//   QString error;
//   if (!WritePdf("out.pdf", pages, [&](Surface& s, int page) { ...draw page... },
//                 PageOutputOptions{}, &error)) { ...show error... }
//
// Files are written completely or not at all (a temporary file renamed at the end).
#pragma once

#include <QPageLayout>
#include <QPageSize>
#include <QSize>
#include <QString>
#include <functional>
#include <vector>

class QPrinter;

namespace tesmor {

class Surface;

// Draws page `pageNumber` on a surface whose resolution is that of the output.
using PageDrawer = std::function<void(Surface& surface, int pageNumber)>;

struct PageOutputOptions {
  QPageSize pageSize = QPageSize(QPageSize::A3);
  QPageLayout::Orientation orientation = QPageLayout::Portrait;
  // Device resolution of PDF, SVG and PNG output. At 300 dpi a one-pixel pen is a
  // normal thin line on paper.
  int dpi = 300;
  // Title of SVG pages (the boring's name); empty: the file's name.
  QString title;
};

// Size of a page in device pixels at the options' resolution.
QSize PagePixels(const PageOutputOptions& options);

// The file of one page when several pages are written one file each: "out.svg"
// becomes "out-3.svg" for page 3; a single page keeps the path as given.
QString PageFilePath(const QString& path, int pageNumber, int pageCount);

// All pages into one PDF file.
bool WritePdf(const QString& path, const std::vector<int>& pages, const PageDrawer& drawPage,
              const PageOutputOptions& options, QString* error);

// One SVG file per page (PageFilePath).
bool WriteSvgPages(const QString& path, const std::vector<int>& pages, const PageDrawer& drawPage,
                   const PageOutputOptions& options, QString* error);

// One PNG file per page (PageFilePath), white paper, at the options' resolution.
bool WritePngPages(const QString& path, const std::vector<int>& pages, const PageDrawer& drawPage,
                   const PageOutputOptions& options, QString* error);

// The kinds of page file.
enum class PageFileType { Pdf, Svg, Png };

// The file type named by `type` ("pdf", "svg" or "png"), or by the path's suffix when
// `type` is empty; false when neither names one.
bool ChoosePageFileType(const QString& type, const QString& path, PageFileType& chosen);

// The pages into a file (PDF) or files (SVG, PNG) of the given type.
bool WritePageFiles(PageFileType type, const QString& path, const std::vector<int>& pages,
                    const PageDrawer& drawPage, const PageOutputOptions& options, QString* error);

// All pages on a printer that has been set up (paper, resolution, copies).
bool PrintPages(QPrinter& printer, const std::vector<int>& pages, const PageDrawer& drawPage,
                QString* error);

}  // namespace tesmor
