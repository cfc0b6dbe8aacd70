#include "about/frmabout.h"
#include "desktopfixture.h"

#include <QLabel>
#include <QPushButton>

namespace quarrow::test {
namespace {

class AboutBox : public DesktopTest
{};

TEST_F(AboutBox, ShowsTheTitleAndVersionDate)
{
    modals.then(QStringLiteral("frmAbout"), [](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("About Quarrow Program"));
        EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("lblTitle"))->text(),
                  QStringLiteral("     QUARROW PRINT BOOK"));
        EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("lblVersion"))->text(),
                  QStringLiteral("   OCTOBER 16TH 2001"));
        EXPECT_EQ(dialog.findChild<QPushButton*>(QStringLiteral("cmdSysInfo"))->text(),
                  QStringLiteral("&System Info..."));
        click(dialog, "cmdOK");
    });
    form1().Command1_Click();
}

#ifndef Q_OS_WIN
TEST_F(AboutBox, WithoutARegistryThereIsNoSystemInformation)
{
    modals.then(QStringLiteral("frmAbout"), [](QDialog& dialog) {
        click(dialog, "cmdSysInfo");
        click(dialog, "cmdOK");
    });
    form1().Command1_Click();
    EXPECT_EQ(dialogs.messages, QStringList({"System Information Is Unavailable At This Time"}));
}
#endif

} // namespace
} // namespace quarrow::test
