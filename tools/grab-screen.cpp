// Saves the whole screen as a PNG, for the demo's screenshots: the display's
// own grab through Qt instead of a window dump and an image converter.
// usage: grab-screen OUT.png   (prints the picture's size on success)
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        fprintf(stderr, "usage: grab-screen OUT.png\n");
        return 2;
    }
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        fprintf(stderr, "grab-screen: no screen to grab\n");
        return 1;
    }
    // Window 0 is the whole screen (on X11 the root window).
    const QPixmap shot = screen->grabWindow(0);
    if (shot.isNull() || !shot.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        fprintf(stderr, "grab-screen: cannot grab the screen into %s\n", argv[1]);
        return 1;
    }
    printf("%dx%d\n", shot.width(), shot.height());
    return 0;
}
