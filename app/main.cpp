// Ayat Explorer starts with its splash window, which hands over to the main window.
#include <QApplication>

#include "app/main_window.h"
#include "app/program.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ayat::setUpApplication(app);
    auto* window = new ayat::MainWindow;
    window->show();
    return app.exec();
}
