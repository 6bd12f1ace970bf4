// Draws the figures of the shipped bank and the window icons. The pictures
// are committed; run this (`make figures`) after changing a drawing.
#include "figures.h"
#include "icons.h"

#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

namespace {

constexpr int kJpegQuality = 95;

bool save(const QImage &image, const QString &path, const char *format, int quality = -1)
{
    if (image.save(path, format, quality))
        return true;
    std::fprintf(stderr, "velt-figures: cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList arguments = app.arguments();
    // A draft is written even when a label found no place (it shows in red),
    // so that the crowding can be looked at; never into the bank.
    const bool draft = arguments.removeAll(QStringLiteral("--draft")) > 0;
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: velt-figures [--draft] <figure folder> <icon folder>\n");
        return 2;
    }
    // Another face would change every label's width and so where it fits.
    if (!QFontDatabase::families().contains(QStringLiteral("Liberation Sans"))) {
        std::fprintf(stderr, "velt-figures: the font Liberation Sans is not installed\n");
        return 1;
    }

    const std::vector<BankFigure> figures = drawBankFigures();
    bool placed = true;
    for (const BankFigure &figure : figures)
        for (const QString &problem : figure.problems) {
            std::fprintf(stderr, "velt-figures: %s\n", qPrintable(problem));
            placed = false;
        }
    if (!placed && !draft)
        return 1;

    const QDir figureFolder(arguments.at(1));
    const QDir iconFolder(arguments.at(2));
    bool written = true;
    for (const BankFigure &figure : figures) {
        const QString name = QStringLiteral("figure%1.jpg").arg(figure.slot, 2, 10, QLatin1Char('0'));
        written = save(figure.image, figureFolder.filePath(name), "JPG", kJpegQuality) && written;
    }
    for (const int pixels : { 32, 16 })
        written
            = save(drawIcon(pixels), iconFolder.filePath(QStringLiteral("velt-%1.png").arg(pixels)), "PNG")
            && written;
    return written && placed ? 0 : 1;
}
