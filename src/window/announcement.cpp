#include "window/announcement.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QGuiApplication>
#include <QWidget>

namespace {

class AnnouncementInterface : public QAccessibleObject {
public:
    explicit AnnouncementInterface(Announcement *announcement)
        : QAccessibleObject(announcement)
    {
    }

    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(object()->parent());
    }
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? static_cast<Announcement *>(object())->text()
                                         : QString();
    }
};

// A top-level QWidget is otherwise a plain client area, which screen readers neither treat
// as a window nor name by its title.
class FrameInterface : public QAccessibleWidget {
public:
    explicit FrameInterface(QWidget *form)
        : QAccessibleWidget(form, QAccessible::Window)
    {
    }

    int childCount() const override { return QAccessibleWidget::childCount() + 1; }
    QAccessibleInterface *child(int index) const override
    {
        if (index == QAccessibleWidget::childCount())
            return QAccessible::queryAccessibleInterface(announcement());
        return QAccessibleWidget::child(index);
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (child && child->object() == announcement())
            return QAccessibleWidget::childCount();
        return QAccessibleWidget::indexOfChild(child);
    }

private:
    Announcement *announcement() const
    {
        return widget()->findChild<Announcement *>(QString(), Qt::FindDirectChildrenOnly);
    }
};

QAccessibleInterface *formAccessibility(const QString &className, QObject *object)
{
    if (className == QLatin1StringView("Form1") && object->isWidgetType())
        return new FrameInterface(static_cast<QWidget *>(object));
    if (className == QLatin1StringView("Announcement"))
        return new AnnouncementInterface(static_cast<Announcement *>(object));
    return nullptr;
}

} // namespace

Announcement::Announcement(QObject *parent)
    : QObject(parent)
{
}

void Announcement::announce(const QString &text)
{
    spoken = text;
    if (!QAccessible::isActive())
        return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Qt's bridges carry an announcement as one: readers say its text alone, once.
    QAccessibleAnnouncementEvent announced(this, text);
    QAccessible::updateAccessibility(&announced);
#else
    // Screen readers cache names: the new one first, then the appearance they speak.
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
    // Qt's UI Automation bridge raises nothing for that appearance, but turns a change of a
    // text value into a UI Automation notification, which Windows' readers speak.
    if (QGuiApplication::platformName() == QLatin1StringView("windows")) {
        QAccessibleValueChangeEvent changed(this, text);
        QAccessible::updateAccessibility(&changed);
    }
#endif
}

void Announcement::announceOpening(const QString &prompt)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Readers that take announcements no longer say a frame's description as it opens. The
    // prompt is said, not kept: it is no answer.
    if (!QAccessible::isActive())
        return;
    QAccessibleAnnouncementEvent announced(this, prompt);
    QAccessible::updateAccessibility(&announced);
#else
    Q_UNUSED(prompt);
#endif
}

void installFormAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(formAccessibility);
        return true;
    }();
    Q_UNUSED(installed);
}
