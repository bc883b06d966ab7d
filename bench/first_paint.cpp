// Shows Dialhour's window, or with "bare" the yardstick's, and quits as soon as it has been
// drawn once: a fixed amount of work from start to first paint, for counting instructions with
// valgrind --tool=callgrind, which is repeatable where timings are not. Dialhour's window speaks
// the desktop's language, as the program does.
#include "window/form1.h"
#include "window/language.h"

#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QTimer>

#include <cstring>
#include <memory>

namespace {

class QuitAfterFirstPaint : public QObject {
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !seen) {
            seen = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    bool seen = false;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    std::unique_ptr<QWidget> window;
    if (argc > 1 && std::strcmp(argv[1], "bare") == 0) {
        auto label = std::make_unique<QLabel>(QStringLiteral("Bare"));
        label->setFixedSize(288, 274);
        window = std::move(label);
    } else {
        SpeakLanguage(app, CurrentDesktopLocale());
        window = std::make_unique<Form1>();
    }
    QuitAfterFirstPaint quit;
    window->installEventFilter(&quit);
    window->show();
    return QApplication::exec();
}
