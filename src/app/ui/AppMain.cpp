#include "app/ui/AppMain.h"

#include <QApplication>
#include <QMainWindow>
#include <QPlainTextEdit>

// Placeholder shell: replaced by the document controller and its windows.
int brindlewickMain(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Brindlewick");
    QMainWindow w;
    w.setCentralWidget(new QPlainTextEdit);
    w.resize(900, 700);
    w.show();
    return app.exec();
}
