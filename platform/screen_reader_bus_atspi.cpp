#include "platform/screen_reader_bus.h"

#include <QAccessible>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QWidget>

// Why this file reaches into Qt's Linux accessibility bridge (AT-SPI over D-Bus),
// and on what it relies.
//
// The bridge reports a control "visible" exactly while it is "showing", but
// sends screen readers only the changes of "showing" (AtSpiAdaptor's handling of
// QAccessible::ObjectShow and ObjectHide sends StateChanged "showing" alone).
// Orca keeps the states it was told: a control it first met while hidden stays
// "invisible" to it ever after, and it would never offer that control again. So
// the change of "visible" is sent here, as the bridge sends its own events. No
// report of this in Qt's bug tracker was found.
//
// Relied on, as Qt 6.4 to 6.8 have them (read in qtbase's
// src/gui/accessible/linux/dbusconnection.cpp and atspiadaptor.cpp):
//  1. the bridge's connection to the accessibility bus is named "a11y";
//  2. a control's object on that bus is /org/a11y/atspi/accessible/<its
//     QAccessible::uniqueId>, the program's own is .../root;
//  3. the bridge sends its events for a show or hide while the widget is shown
//     or hidden, before anything queued then runs (accessible_controls.cpp sends
//     its corrections queued behind them).
// If any of them changes, test_atspi (the "visible" changes of covered controls
// are awaited) and test_orca (what Orca offers and says) fail, on Debian 12's Qt
// and on Debian 13's. A Qt outside the versions checked stops the build here:
// run those two tests on it, then widen the range.
#if QT_VERSION < QT_VERSION_CHECK(6, 4, 0) || QT_VERSION >= QT_VERSION_CHECK(6, 9, 0)
#error "Qt's accessibility bridge was checked for Qt 6.4 to 6.8: check it for this Qt (test_atspi, test_orca)"
#endif

namespace ayat {

namespace {

// An object on the accessibility bus: the bus name of its program and its path.
struct BusObject {
    QString service;
    QDBusObjectPath path;
};

QDBusArgument& operator<<(QDBusArgument& out, const BusObject& o)
{
    out.beginStructure();
    out << o.service << o.path;
    out.endStructure();
    return out;
}

const QDBusArgument& operator>>(const QDBusArgument& in, BusObject& o)
{
    in.beginStructure();
    in >> o.service >> o.path;
    in.endStructure();
    return in;
}

}  // namespace

void reportVisibleToScreenReaders(QWidget* w, bool visible)
{
    QDBusConnection bus(QStringLiteral("a11y"));  // the bridge's connection, once it is made
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
    if (!bus.isConnected() || !face)
        return;
    static const bool registered = [] {
        qDBusRegisterMetaType<BusObject>();
        return true;
    }();
    Q_UNUSED(registered);
    const QString path = QStringLiteral("/org/a11y/atspi/accessible/") + QString::number(QAccessible::uniqueId(face));
    const BusObject source{bus.baseService(), QDBusObjectPath(path)};
    const BusObject program{bus.baseService(), QDBusObjectPath(QStringLiteral("/org/a11y/atspi/accessible/root"))};
    QDBusMessage signal =
        QDBusMessage::createSignal(path, QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("StateChanged"));
    signal << QStringLiteral("visible") << int(visible) << 0
           << QVariant::fromValue(QDBusVariant(QVariant::fromValue(source))) << QVariant::fromValue(program);
    bus.send(signal);
}

}  // namespace ayat
