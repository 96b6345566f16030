#pragma once
// The main window as its user meets it at a point of its client area: what a click
// there reaches, and the click itself, delivered by the window system to whatever
// lies topmost. Header only: it is for the tests that link the main window.
#include <QPoint>
#include <QString>
#include <QTest>
#include <QWidget>

#include "app/main_window.h"
#include "platform/widgets.h"
#include "sections/tables/section_tables.h"

// The panel (its object name) that holds what lies at this point of the client
// area, or "home" where no panel covers it.
inline QString seenAt(const ayat::MainWindow& w, QPoint inClient)
{
    for (QWidget* p = w.client()->childAt(inClient); p && p != w.client(); p = p->parentWidget())
        if (p->parentWidget() == w.client() && qobject_cast<ayat::Panel*>(p))
            return p->objectName();
    return QStringLiteral("home");
}

// A left click at a point of the client area.
inline void clickAt(ayat::MainWindow& w, QPoint inClient)
{
    QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, w.client()->mapTo(&w, inClient));
}

// The section description that the panel of this id was built from.
inline const ayat::SectionDescription& descriptionOf(const ayat::MainWindow& w, ayat::PanelId id)
{
    const QString name = w.panels().panel(id)->objectName();
    for (const ayat::SectionDescription* d : ayat::allSections())
        if (name == QLatin1String(d->panelName))
            return *d;
    qFatal("the panel %s holds no section", qPrintable(name));
}
