#include "window/form1.h"
#include "window/language.h"
#include "window/oneinstance.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>

#ifdef DIALHOUR_FONTCONFIG
#include <fontconfig/fontconfig.h>
#include <thread>
#endif

namespace {

// "-212" or "-(212) 555-0100" is a number, not options.
bool isNumberWord(QStringView word)
{
    return word.size() > 1 && word[0] == u'-' && word[1] != u'-' && word[1] != u'?' &&
           !word[1].isLetter();
}

// The words as the parser should read them: everything from the first number on is the
// number, and -?, which Qt takes only on Windows, asks for help everywhere.
QStringList commandLine()
{
    QStringList words = QCoreApplication::arguments();
    for (qsizetype i = 1; i < words.size(); ++i) {
        if (isNumberWord(words[i])) {
            words.insert(i, QStringLiteral("--"));
            break;
        }
        if (words[i] == u"-?")
            words[i] = QStringLiteral("--help");
    }
    return words;
}

void describe(QCoreApplication &app, QCommandLineParser &options)
{
    app.setApplicationName(QStringLiteral("dialhour"));
    app.setApplicationVersion(QStringLiteral(DIALHOUR_VERSION));
    options.setApplicationDescription(QCoreApplication::translate(
        "main", "The time, call advice and places of a North American area code."));
    options.addHelpOption();
    options.addVersionOption();
    const QString number =
        QCoreApplication::translate("main", "number", "the name of the argument in --help");
    options.addPositionalArgument(
        number, QCoreApplication::translate("main", "A telephone number or tel: link to answer."),
        u'[' + number + u']');
    // A number such as -212- or one split by spaces is the number, not options.
    options.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    options.process(commandLine());
}

// --help and --version answer without a window, and so without a display.
bool textOnly(int argc, char *argv[])
{
    for (int i = 1; i < argc && argv[i][0] == '-' && !isNumberWord(QString::fromLocal8Bit(argv[i]));
         ++i)
        for (const char *option : {"-h", "-?", "--help", "--help-all", "-v", "--version"})
            if (qstrcmp(argv[i], option) == 0)
                return true;
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    if (textOnly(argc, argv)) {
        QCoreApplication app(argc, argv);
        SpeakLanguage(app, CurrentDesktopLocale());
        QCommandLineParser options;
        describe(app, options);
        return 0;
    }
#ifdef DIALHOUR_FONTCONFIG
    // Reading the font configuration and caches is the longest step before the window can be
    // drawn, and needs nothing of Qt's: it runs on the other core while Qt starts. Joined before
    // the window asks for a font, so fontconfig is never entered from two threads at once.
    std::thread fonts([] { FcInit(); });
#endif
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quorvanta"));
    // Lets Wayland and the desktop match the window to its installed entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(DIALHOUR_APP_ID));
#ifdef DIALHOUR_FONTCONFIG
    // Before a wrong option may end the program.
    fonts.join();
#endif

    SpeakLanguage(app, CurrentDesktopLocale());
    QCommandLineParser options;
    describe(app, options);
    const QStringList words = options.positionalArguments();
    const QString number = words.join(u' ');

    // Built before the name is asked for, so that the two overlap; a start that hands its number
    // over never shows it.
    oneinstance::Window one;
    Form1 window;
    if (!one.take()) {
        if (one.handOver({number, !words.isEmpty()}))
            return 0;
        // The window ended as it was asked: this start may be the window now.
        one.take();
    }
    window.show();
    if (!words.isEmpty())
        window.numberGiven(number);

    QObject::connect(&one, &oneinstance::Window::requested, &window,
                     [&window](const oneinstance::Request &request) {
                         if (request.hasNumber)
                             window.numberGiven(request.number);
                         window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
                         window.raise();
                         window.activateWindow();
                     });
    // After the first paint, which it must not delay; a request made before then is waiting.
    QObject::connect(&window, &Form1::drawn, &one, &oneinstance::Window::listen);
    return QApplication::exec();
}
