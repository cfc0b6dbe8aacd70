#include "about/version.h"
#include "main/windows/form1.h"
#include "main/windows/program.h"
#include "render/output/printplatform.h"
#include "windowkit/qtdialogs.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(quarrow::kProgramTitle);
    // The folder of the last file chosen is kept for the user under these names.
    QApplication::setOrganizationName(QStringLiteral(QUARROW_PUBLISHER));
    // The desktop's menu entry and icon belong to the program's windows by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.quarrow.PrintBook"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/quarrow.png")));
    quarrow::QtDialogs dialogs;
    quarrow::QtPrintPlatform platform;
    quarrow::Program program(dialogs, platform);
    program.form1().show();
    // A file opened with the program, from Explorer say.
    if (QApplication::arguments().size() > 1)
        program.form1().chooseFile(QApplication::arguments().at(1));
    return QApplication::exec();
}
