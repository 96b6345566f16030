#include "app/program.h"

#include <QApplication>
#include <QStyleFactory>
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
    for (QWidget* w : QApplication::topLevelWidgets())
        w->hide();
    QCoreApplication::exit(0);
}

} // namespace ayat
