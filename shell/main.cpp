#include "mdiform1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    MDIForm1 venster;
    venster.show();
    return app.exec();
}
