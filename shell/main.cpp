#include <QApplication>

#include "mdlMain.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    return mdlMain::Main();
}
