// The yardstick for start-up time and memory: a bare Qt Widgets window of Dialhour's client
// size showing one word, built in the same tree and so with the same compiler and flags. The
// word matters: the first text drawn starts the font system, which every window that shows
// text pays for.
#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Bare"));
    window.setWindowTitle(QStringLiteral("Bare"));
    window.setFixedSize(288, 274);
    window.show();
    return QApplication::exec();
}
