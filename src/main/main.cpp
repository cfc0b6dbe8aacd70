#include "main/form1.h"
#include "main/program.h"
#include "main/qtdialogs.h"
#include "render/printplatform.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(quarrow::kProgramTitle);
    // The desktop's menu entry and icon belong to the program's windows by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.quarrow.PrintBook"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/quarrow.png")));
    quarrow::QtDialogs dialogs;
    quarrow::QtPrintPlatform platform;
    quarrow::Program program(dialogs, platform);
    program.form1().show();
    return QApplication::exec();
}
