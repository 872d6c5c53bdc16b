#include <QApplication>

#include "app/MDIVRN.h"
#include "app/StartUp.h"

int main(int argc, char* argv[]) {
    QApplication qapp(argc, argv);
    QCoreApplication::setApplicationName("varnolt");
    vrn::installPlatform(qapp);
    vrn::MDIVRN main;
    main.show();
    main.MDIForm_Load();
    return qapp.exec();
}
