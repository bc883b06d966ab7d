#pragma once

#include "keypad/keypad.h"

#include <QFont>
#include <QWidget>

class Announcement;
class QButtonGroup;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;

// The program's only window: the number pad, "Clear" and "Quit", the result box, the prompt,
// the notice and the maker's name.
class Form1 : public QWidget {
    Q_OBJECT

public:
    explicit Form1(dialhour::KeypadEntry::Clock clock = dialhour::ReadSystemClock,
                   dialhour::ZoneRules::Source rules = dialhour::ZoneRules::Program,
                   QWidget *parent = nullptr);

public slots:
    // A number from outside the pad, as pasted or given on the command line: its answer, or a
    // line saying it holds none, shown and announced.
    void numberGiven(const QString &text);

signals:
    // Once the window has been drawn: what is not needed to draw it waits for this.
    void drawn();

protected:
    bool event(QEvent *event) override;

private slots:
    void digitClicked(int digit);
    void clearClicked();
    void minuteTurned();
    void digitTyped(int digit);
    void backspaceTyped();
    void pasteNumber();

private:
    void showResult();
    void announceAnswer();
    void followClock();
    void showTimeChange();
    void fitResult();

    dialhour::KeypadEntry::Clock clock;
    dialhour::KeypadEntry keypad;
    QTimer *minuteTimer;
    bool iconRequested = false;
    bool promptAnnounced = false;
    Announcement *announcement;
    // The result box's usual font, which a long answer may shrink.
    QFont resultFont;

    QLabel *Label1;
    QLabel *Label2;
    QPlainTextEdit *Text1;
    QPlainTextEdit *Text2;
    QButtonGroup *Command1;
    QPushButton *Command2;
    QPushButton *Command3;
};
