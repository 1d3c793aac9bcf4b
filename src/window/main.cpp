#include <QApplication>

#include "StartUp.h"
#include "frmMain.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    bellmora::PrepareApplication(app);
    bellmora::frmMain window;  // creates the controls and runs the window's Load
    return QApplication::exec();
}
