// For reference only: a window of the same size with no text at all, which never starts the
// font system.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Empty"));
    window.setFixedSize(288, 274);
    window.show();
    return QApplication::exec();
}
