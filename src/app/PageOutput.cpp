#include "app/PageOutput.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <cmath>

#include "app/QtSurface.h"
#include "app/SvgSurface.h"

namespace tesmor {

namespace {

constexpr double kMetresPerInch = 0.0254;

bool Fail(QString* error, const QString& message) {
  if (error != nullptr) *error = message;
  return false;
}

bool OpenForWriting(QSaveFile& file, QString* error) {
  if (file.open(QIODevice::WriteOnly)) return true;
  return Fail(error, file.fileName() + ": " + file.errorString());
}

// Writes the bytes a painter produced and renames the file into place. The painters
// write to their device without looking at the results, so they draw into memory and
// a short write here (a full disk, a file-size limit) fails the whole file.
bool WriteAndCommit(QSaveFile& file, const QByteArray& bytes, QString* error) {
  if (file.write(bytes) == bytes.size() && file.flush() && file.commit()) return true;
  const QString reason = file.error() != QFileDevice::NoError
                             ? file.errorString()
                             : QStringLiteral("could not be written whole (the disk is full or the file too large)");
  file.cancelWriting();
  return Fail(error, file.fileName() + ": " + reason);
}

QPageLayout LayoutOf(const PageOutputOptions& options) {
  return QPageLayout(options.pageSize, options.orientation, QMarginsF(0, 0, 0, 0));
}

// Draws every page on a painter that has begun on a device; newPage starts the
// next page on devices that hold several.
template <typename NewPage>
void DrawPages(QPainter& painter, int dpiX, int dpiY, const std::vector<int>& pages,
               const PageDrawer& drawPage, NewPage newPage) {
  bool first = true;
  for (int page : pages) {
    if (!first) newPage();
    first = false;
    QtSurface surface(painter, dpiX, dpiY);
    drawPage(surface, page);
  }
}

// The paper of the options in millimetres, turned for landscape.
QSizeF PaperMm(const PageOutputOptions& options) {
  const QSizeF mm = options.pageSize.size(QPageSize::Millimeter);
  return options.orientation == QPageLayout::Landscape ? mm.transposed() : mm;
}

bool WriteSvgPage(const QString& path, int page, const PageDrawer& drawPage,
                  const PageOutputOptions& options, QString* error) {
  QSaveFile file(path);
  if (!OpenForWriting(file, error)) return false;
  const QString title = options.title.isEmpty() ? QFileInfo(path).completeBaseName() : options.title;
  SvgSurface svg(SvgPage{PaperMm(options), options.dpi, title});
  drawPage(svg, page);
  const std::string& document = svg.Finish();
  return WriteAndCommit(file, QByteArray::fromRawData(document.data(), static_cast<qsizetype>(document.size())), error);
}

bool WritePngPage(const QString& path, int page, const PageDrawer& drawPage,
                  const PageOutputOptions& options, QString* error) {
  QImage image(PagePixels(options), QImage::Format_RGB32);
  if (image.isNull()) return Fail(error, path + ": page too large for an image");
  image.fill(Qt::white);
  const int dotsPerMetre = static_cast<int>(std::lround(options.dpi / kMetresPerInch));
  image.setDotsPerMeterX(dotsPerMetre);
  image.setDotsPerMeterY(dotsPerMetre);
  {
    QPainter painter(&image);
    DrawPages(painter, options.dpi, options.dpi, {page}, drawPage, [] {});
  }
  QSaveFile file(path);
  if (!OpenForWriting(file, error)) return false;
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) return Fail(error, path + ": cannot write the image");
  return WriteAndCommit(file, buffer.data(), error);
}

}  // namespace

QSize PagePixels(const PageOutputOptions& options) {
  // From the paper's millimetres (A3 at 300 dpi is 3508 × 4961), not its rounded points.
  const QSizeF mm = PaperMm(options);
  const auto px = [&](double v) { return static_cast<int>(std::lround(v * options.dpi / 25.4)); };
  return QSize(px(mm.width()), px(mm.height()));
}

QString PageFilePath(const QString& path, int pageNumber, int pageCount) {
  if (pageCount <= 1) return path;
  const QFileInfo info(path);
  const QString suffix = info.suffix();
  const QString number = QStringLiteral("-%1").arg(pageNumber);
  if (suffix.isEmpty()) return path + number;
  return path.left(path.size() - suffix.size() - 1) + number + '.' + suffix;
}

bool WritePdf(const QString& path, const std::vector<int>& pages, const PageDrawer& drawPage,
              const PageOutputOptions& options, QString* error) {
  QSaveFile file(path);
  if (!OpenForWriting(file, error)) return false;
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&buffer);
    pdf.setResolution(options.dpi);
    pdf.setPageLayout(LayoutOf(options));
    pdf.setCreator(QStringLiteral("Tesmor"));
    pdf.setTitle(QFileInfo(path).completeBaseName());
    QPainter painter;
    if (!painter.begin(&pdf)) return Fail(error, path + ": cannot draw");
    DrawPages(painter, options.dpi, options.dpi, pages, drawPage, [&] { pdf.newPage(); });
    painter.end();
  }
  return WriteAndCommit(file, buffer.data(), error);
}

bool WriteSvgPages(const QString& path, const std::vector<int>& pages, const PageDrawer& drawPage,
                   const PageOutputOptions& options, QString* error) {
  const int count = static_cast<int>(pages.size());
  for (int page : pages) {
    if (!WriteSvgPage(PageFilePath(path, page, count), page, drawPage, options, error)) return false;
  }
  return true;
}

bool WritePngPages(const QString& path, const std::vector<int>& pages, const PageDrawer& drawPage,
                   const PageOutputOptions& options, QString* error) {
  const int count = static_cast<int>(pages.size());
  for (int page : pages) {
    if (!WritePngPage(PageFilePath(path, page, count), page, drawPage, options, error)) return false;
  }
  return true;
}

bool ChoosePageFileType(const QString& type, const QString& path, PageFileType& chosen) {
  const QString name = (type.isEmpty() ? QFileInfo(path).suffix() : type).toLower();
  if (name == QLatin1String("pdf")) chosen = PageFileType::Pdf;
  else if (name == QLatin1String("svg")) chosen = PageFileType::Svg;
  else if (name == QLatin1String("png")) chosen = PageFileType::Png;
  else return false;
  return true;
}

bool WritePageFiles(PageFileType type, const QString& path, const std::vector<int>& pages,
                    const PageDrawer& drawPage, const PageOutputOptions& options, QString* error) {
  switch (type) {
    case PageFileType::Pdf: return WritePdf(path, pages, drawPage, options, error);
    case PageFileType::Svg: return WriteSvgPages(path, pages, drawPage, options, error);
    case PageFileType::Png: return WritePngPages(path, pages, drawPage, options, error);
  }
  return false;
}

bool PrintPages(QPrinter& printer, const std::vector<int>& pages, const PageDrawer& drawPage,
                QString* error) {
  QPainter painter;
  if (!painter.begin(&printer)) return Fail(error, QStringLiteral("cannot start printing"));
  DrawPages(painter, printer.logicalDpiX(), printer.logicalDpiY(), pages, drawPage,
            [&] { printer.newPage(); });
  painter.end();
  return true;
}

}  // namespace tesmor
