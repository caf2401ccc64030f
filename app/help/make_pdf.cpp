// Build-time tool: renders one of our HTML documents into a PDF.
// Usage: orvane_make_pdf <input.html> <output.pdf> <title>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <cstdio>

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  const QStringList args = QCoreApplication::arguments();
  if (args.size() != 4) {
    std::fprintf(stderr, "usage: orvane_make_pdf <input.html> <output.pdf> <title>\n");
    return 2;
  }
  QFile input(args[1]);
  if (!input.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "cannot read %s\n", qPrintable(args[1]));
    return 1;
  }
  QTextDocument document;
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPointSizeF(10.5);
  document.setDefaultFont(font);
  document.setHtml(QString::fromUtf8(input.readAll()));

  // Written beside the target first, so that a failed run leaves no half document.
  const QString partial =
      args[2] + QStringLiteral(".part") + QString::number(QCoreApplication::applicationPid());
  {
    QPdfWriter writer(partial);
    writer.setTitle(args[3]);
    writer.setCreator(QStringLiteral("Orvane"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter));
    document.print(&writer);
  }
  QFile::remove(args[2]);
  if (!QFile::rename(partial, args[2])) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(args[2]));
    return 1;
  }
  return 0;
}
