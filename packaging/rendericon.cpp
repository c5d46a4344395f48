// Renders the program's SVG icon as the PNG sizes the icon theme wants, at
// build time, so the PNGs never drift from the SVG.
//   rendericon ICON.svg OUTPUT_FOLDER NAME SIZE...
#include <QGuiApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() < 5) {
        std::fputs("Aufruf: rendericon ICON.svg ZIELORDNER NAME GRÖSSE...\n", stderr);
        return 2;
    }
    QSvgRenderer svg(arguments.at(1));
    if (!svg.isValid()) {
        std::fprintf(stderr, "Kein gültiges SVG: %s\n", qPrintable(arguments.at(1)));
        return 1;
    }
    for (const QString &sizeText : arguments.mid(4)) {
        const int size = sizeText.toInt();
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter);
        painter.end();
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(arguments.at(2)).arg(size);
        QDir().mkpath(folder);
        if (!image.save(folder + QLatin1Char('/') + arguments.at(3) + QStringLiteral(".png"))) {
            std::fprintf(stderr, "Kann %s nicht schreiben\n", qPrintable(folder));
            return 1;
        }
    }
    return 0;
}
