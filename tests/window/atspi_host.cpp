// The real window with a fixed clock (20:07 UTC on 15 January, on a machine kept on UTC), for
// the screen-reader test to drive over the accessibility bus. With --clock-runs the clock starts
// at 20:07:10 and runs, so that 3:07 PM turns to 3:08 PM 50 seconds after the start.
#include "support.h"
#include "window/form1.h"
#include "window/language.h"

#include <QApplication>
#include <QLocale>
#include <QElapsedTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // In the desktop's language, as the program itself starts.
    SpeakLanguage(app, CurrentDesktopLocale());
    QElapsedTimer running;
    running.start();
    const bool runs = QApplication::arguments().contains(QStringLiteral("--clock-runs"));
    Form1 window([&running, runs] {
        dialhour::ClockReading reading = dialhour::testing::januaryClock();
        if (runs)
            reading.now = reading.now.addMSecs(10'000 + running.elapsed());
        return reading;
    });
    window.show();
    return QApplication::exec();
}
