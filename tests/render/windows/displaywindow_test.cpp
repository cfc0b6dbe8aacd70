// Clicks go through the window system, which holds them back from windows a modal dialog
// blocks, as it does for the user's.
#define QTEST_QPA_MOUSE_HANDLING

#include "desktop.h"
#include "render/windows/form5.h"
#include "render/windows/frmsystem.h"
#include "render/windows/pageview.h"

#include <QAction>
#include <QScreen>
#include <QStyle>
#include <QTest>

#include <filesystem>

namespace quarrow::test {
namespace {

class DisplayWindow : public DesktopTest
{
protected:
    using DesktopTest::DesktopTest;
    QAction& item(const char* name) { return *printWindow().findChild<QAction*>(name); }
    std::string printed() const { return platform.outputOf(QStringLiteral("Office LaserJet")); }
};

// The page fits the window in either direction. Paging runs from the left book into the right book
// and back, stopping at either end; each page is drawn anew. The Go To menu offers the search of
// the book shown, also after the window was closed by its frame. Preview brings the window to the
// front, minimized or not; End closes it.
TEST_F(DisplayWindow, PagesThroughBothBooksAndOffersTheirSearches)
{
    open(dir.write("us97.txt", dividedListing(4)));
    for (QSize size : {printWindow().size(), QSize(600, 300), QSize(300, 600)}) {
        printWindow().resize(size);
        float width = static_cast<float>(printWindow().frameGeometry().width() * 15);
        float height = static_cast<float>(printWindow().frameGeometry().height() * 15);
        EXPECT_EQ(store.DrawScale, height / 15120 > width / 11520 ? width / 11820 : height / 15420);
    }
    // A Letter sheet without margins, as printers into PDF files on Windows have: the page
    // still fits the window, margin and all.
    store.PrintWidthChars = 102;
    store.PrintHeightLines = 66;
    printWindow().resize(QSize(600, 600));
    double scale = store.DrawScale;
    EXPECT_LE(scale * (66 * 240 + 300), printWindow().frameGeometry().height() * 15.0 + 1.0);
    EXPECT_LE(scale * (102 * 120 + 300), printWindow().frameGeometry().width() * 15.0 + 1.0);
    EXPECT_FALSE(item("mnuGoToStation").isVisible());
    EXPECT_TRUE(item("mnuStationLeft").isVisible() && item("mnuStationRight").isVisible());
    QImage page = printWindow().view().image();
    const char* first = " First Page can't move backward";
    const char* last = " Last Page can't move forward";
    const std::tuple<bool, const char*, const char*> steps[] = {
        {false, "left0", first}, {true, "left1", ""},   {true, "right0", ""}, {true, "right1", ""},
        {true, "right1", last},  {false, "right0", ""}, {false, "left1", ""}, {false, "left0", ""}};
    for (auto [forward, expected, message] : steps) {
        dialogs.messages.clear();
        forward ? printWindow().viewForward_Click() : printWindow().viewBackward_Click();
        EXPECT_EQ(shown() + dialogs.messages.join("").toStdString(),
                  expected + std::string(message));
        EXPECT_EQ(printWindow().view().image() == page, *message != 0) << expected;
        page = printWindow().view().image();
    }
    printWindow().close();
    open(dir.write("sr22.txt", undividedListing(4)));
    EXPECT_TRUE(item("mnuGoToStation").isVisible());
    EXPECT_FALSE(item("mnuStationLeft").isVisible() || item("mnuStationRight").isVisible());
    form1().show();
    QApplication::setActiveWindow(&form1());
    printWindow().showMinimized();
    preview();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&printWindow()));
    EXPECT_FALSE(printWindow().isMinimized());
    printWindow().showMaximized();
    preview();
    EXPECT_TRUE(printWindow().isMaximized()) << "Preview leaves a maximized window as it is";
    item("viewEnd").trigger();
    EXPECT_FALSE(program.isPrintWindowLoaded());
}

// The print dialog opens in its first page box, shows the book's sides and page counts and
// its page picker fills the boxes; Enter in a box prints, and a range the side does not hold
// keeps the dialog open with a message.
TEST_F(DisplayWindow, ThePrintDialogTakesOnlyRangesInTheBook)
{
    open(dir.write("us97.txt", dividedListing(7)));
    modals.then(QStringLiteral("Form5"), [this](QDialog& dialog) {
        EXPECT_EQ(dialog.focusWidget(), &child(dialog, "Text1"));
        EXPECT_EQ(dialog.parentWidget(), &printWindow()) << "over the window it was opened from";
        auto& sides = child<QComboBox>(dialog, "Combo2");
        EXPECT_EQ(child<QLabel>(dialog, "Label3").text(), QStringLiteral("Total Left Side Pages:"));
        sides.setCurrentIndex(1);
        emit sides.activated(1);
        EXPECT_EQ(child<QLabel>(dialog, "Label3").text(),
                  QStringLiteral("Total Right Side Pages:"));
        EXPECT_EQ(child<QLabel>(dialog, "Label6").text(), QStringLiteral("3"));
        modals.then(QStringLiteral("Form6"), [&dialog](QDialog& picker) {
            EXPECT_EQ(picker.parentWidget(), &dialog);
            auto& pages = child<QComboBox>(picker, "Combo1");
            // The whole item shows, and each heading ends over the end of its column.
            QFontMetrics font(pages.font());
            EXPECT_LT(font.horizontalAdvance(pages.itemText(1)), pages.width());
            for (int column = 1; column <= 3; ++column) {
                int end = pages.x() + font.horizontalAdvance(QString(15 * column, '0'));
                EXPECT_NEAR(child(picker, ("Label" + std::to_string(column)).c_str())
                                .geometry()
                                .right(),
                            end, 2 * font.horizontalAdvance('0'))
                    << column;
            }
            EXPECT_EQ(pages.itemText(1),
                      QStringLiteral("              2          11+50          12+50"));
            emit pages.activated(1);
        });
        click(dialog, "Command2");
        EXPECT_EQ(child<QLineEdit>(dialog, "Text1").text(), QStringLiteral("2 "));
        modals.then(QStringLiteral("Form6"),
                    [](QDialog& picker) { emit child<QComboBox>(picker, "Combo1").activated(2); });
        click(dialog, "Command3");
        EXPECT_EQ(child<QLineEdit>(dialog, "Text2").text(), QStringLiteral("3 "));
        const std::pair<const char*, const char*> refused[] = {
            {"3", "2"}, {"", ""}, {"0", "2"}, {"1", "4"}, {"1", "two"}, {"1", "99999999999"}};
        for (auto [from, to] : refused) {
            setText(dialog, "Text1", QString::fromLatin1(from));
            setText(dialog, "Text2", QString::fromLatin1(to));
            QTest::keyClick(&child(dialog, "Text2"), Qt::Key_Return); // prints, as Print does
            EXPECT_TRUE(dialog.isVisible()) << from << "-" << to;
        }
        click(dialog, "Command1_0");
    });
    printWindow().PrnSelPages_Click();
    QStringList expected(5, QStringLiteral("Please enter page numbers from 1 to 3."));
    expected.prepend(QStringLiteral(" From Page should be smaller than To Page, Please correct"));
    EXPECT_EQ(dialogs.messages, expected);
    EXPECT_FALSE(std::filesystem::exists(printed()));
}

// The printer chosen lays out and prints the book, and gives the window its paper's shape; a
// name no printer has is not taken. Left
// by Escape, the dialog keeps the current printer, which printing names.
TEST_F(DisplayWindow, TheFontAndPrinterDialogChoosesThePrinterAndFont)
{
    type("txtProjectNumber", QStringLiteral("104"));
    type("txtControlNumber", QStringLiteral("2207"));
    browse(dir.write("sr22.txt", undividedListing(4)));
    modals.then(QStringLiteral("frmSystem"),
                [](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    form1().cmdPreview_Click();
    printWindow().viewprint_Click();
    EXPECT_EQ(dialogs.messages, QStringList({"Pages have been sent to Office LaserJet printer."}));
    modals.then(QStringLiteral("frmSystem"), [](QDialog& dialog) {
        auto& printers = child<QComboBox>(dialog, "Combo1_0");
        auto& fonts = child<QComboBox>(dialog, "Combo1_1");
        EXPECT_EQ(printers.currentText(), QStringLiteral("Office LaserJet"));
        EXPECT_EQ(printers.count(), 2);
        EXPECT_EQ(fonts.currentText(), QStringLiteral("Lucida Console"));
        EXPECT_EQ(fonts.itemText(0) + fonts.itemText(2), QStringLiteral("Courier NewMS LineDraw"));
        for (auto [key, next] : {std::pair{Qt::Key_Shift, &printers}, {Qt::Key_P, &fonts}}) {
            QTest::keyClick(&printers, key);
            QApplication::processEvents();
            EXPECT_EQ(dialog.focusWidget(), next) << key;
        }
        QTest::keyClick(&fonts, Qt::Key_Backspace);
        QApplication::processEvents();
        EXPECT_EQ(dialog.focusWidget(), &child(dialog, "cmdDone"));
        printers.setEditText(QStringLiteral("Plotter"));
        fonts.setEditText(QStringLiteral("Courier New"));
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
    });
    modals.then(QStringLiteral("frmSystem"), [](QDialog& dialog) {
        EXPECT_EQ(child<QComboBox>(dialog, "Combo1_0").currentText(), QStringLiteral("Plotter"));
        child<QComboBox>(dialog, "Combo1_0").setEditText(QStringLiteral("Nowhere"));
        child<QComboBox>(dialog, "Combo1_1").setEditText(QStringLiteral("MS LineDraw"));
        click(dialog, "cmdDone");
    });
    modals.then(QStringLiteral("frmSystem"), [](QDialog& dialog) {
        QTest::keyClick(&child(dialog, "Combo1_1"), Qt::Key_Escape);
        EXPECT_FALSE(dialog.isVisible());
    });
    for (int i = 0; i < 3; ++i)
        form1().cmdPreview_Click();
    EXPECT_EQ(store.PrinterName, "Plotter");
    EXPECT_EQ(store.ReportFontName, "MS LineDraw");
    EXPECT_NEAR(printWindow().height() * store.PrintWidthChars,
                printWindow().width() * 2 * store.PrintHeightLines, printWindow().height())
        << "the window takes the new printer's shape";
    printWindow().viewprint_Click();
    EXPECT_EQ(pdfPageHeaders(platform.outputOf(QStringLiteral("Plotter"))), "1 2");
    EXPECT_EQ(dialogs.messages.value(1),
              QStringLiteral("Pages have been sent to Plotter printer."));
}

// While a job prints, its progress dialog holds every other window of the program: nothing
// may replace the printer, the book or the display window under it.
TEST_F(DisplayWindow, APrintJobHoldsTheOtherWindowsUntilItEnds)
{
    open(dir.write("long.txt", undividedListing(3000)));
    form1().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form1()));
    modals.then(QStringLiteral("printProgress"), [this](QDialog& progress) {
        QFont title = progress.font();
        title.setBold(true);
        // Room for the title in bold and, beside it, the frame's icon and three buttons, each
        // as wide as the title bar is high.
        int bar = progress.style()->pixelMetric(QStyle::PM_TitleBarHeight);
        EXPECT_GE(progress.width(),
                  QFontMetrics(title).boundingRect(progress.windowTitle()).width() + 4 * bar);
        QTest::mouseClick(&child(form1(), "cmdPreview"), Qt::LeftButton);
        QTest::mouseClick(&child(form1(), "cmdClose"), Qt::LeftButton);
        QTest::keyClick(printWindow().windowHandle(), Qt::Key_PageDown);
        progress.findChild<QPushButton*>()->click();
    });
    printWindow().viewprint_Click();
    EXPECT_EQ(modals.shown, QStringList({"frmSystem", "printProgress"}));
    EXPECT_EQ(dialogs.questions + dialogs.messages, QStringList());
    EXPECT_TRUE(program.isPrintWindowLoaded() && printWindow().isVisible());
    EXPECT_FALSE(std::filesystem::exists(printed()));
}

} // namespace
} // namespace quarrow::test
