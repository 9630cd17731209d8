// The floor the launcher is measured against: a Qt Widgets program that sets
// up its application object, runs its event loop once and quits. Whatever
// the launcher costs beyond this (plus the start-stop script it runs) is its
// own doing.
#include <QApplication>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
