#pragma once

#include <QObject>
#include <QString>

// Tells a screen reader something the moment it happens, wherever the focus is. A screen reader
// speaks only the focused control's changes, except for notifications, which it speaks as they
// appear; so this is exposed as a notification that reappears with each new text. It has no
// widget: nothing is drawn and the focus never moves.
class Announcement : public QObject {
    Q_OBJECT

public:
    explicit Announcement(QObject *parent = nullptr);

    void announce(const QString &text);
    // Says the window's prompt as it opens, where readers no longer say it from the window's
    // description.
    void announceOpening(const QString &prompt);
    const QString &text() const { return spoken; }

private:
    QString spoken;
};

// Makes Form1 a frame named by its title, with the announcement as its last child.
void installFormAccessibility();
