#include "main/form1.h"
#include "main/program.h"
#include "main/qtdialogs.h"
#include "render/printplatform.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(quarrow::kProgramTitle);
    quarrow::QtDialogs dialogs;
    quarrow::QtPrintPlatform platform;
    quarrow::Program program(dialogs, platform);
    program.form1().show();
    return QApplication::exec();
}
