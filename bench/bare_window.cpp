#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Bare"));
    label.setWindowTitle(QStringLiteral("Bare"));
    label.show();
    return QApplication::exec();
}
