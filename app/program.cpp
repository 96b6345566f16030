#include "app/program.h"

#include <QApplication>
#include <QStyleFactory>
#include <QTimer>
#include <QWidget>

#include "platform/widgets.h"

namespace ayat {

void setUpApplication(QApplication& app)
{
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion")))
        app.setStyle(style);
    app.setPalette(classicPalette());
    app.setFont(makeFont(defaultFontSpec()));
}

void endProgram()
{
    // Every window goes at once, with its timers: a tick that is already due
    // would otherwise still run before the event loop returns, and could show a
    // window again.
    for (QWidget* w : QApplication::topLevelWidgets()) {
        w->hide();
        for (QTimer* timer : w->findChildren<QTimer*>())
            timer->stop();
    }
    QCoreApplication::exit(0);
}

} // namespace ayat
