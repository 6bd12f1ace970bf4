// Saves a picture of one X window, found by its id, as a PNG file.
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: velt-grab <window id> <file.png>\n");
        return 2;
    }
    bool ok = false;
    const WId window = arguments.at(1).toULongLong(&ok);
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!ok || !screen)
        return 2;
    const QPixmap picture = screen->grabWindow(window);
    return !picture.isNull() && picture.save(arguments.at(2)) ? 0 : 1;
}
