// Prints the MIME type that Qt's MIME database (Qt file dialogs, KDE) gives each
// file named on the command line, one per line.
#include <QCoreApplication>
#include <QMimeDatabase>
#include <cstdio>

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QMimeDatabase db;
  for (int i = 1; i < argc; ++i) {
    std::printf("%s\n", qPrintable(db.mimeTypeForFile(QString::fromLocal8Bit(argv[i])).name()));
  }
  return 0;
}
