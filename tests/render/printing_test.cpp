#include "desktopfixture.h"
#include "render/form5.h"
#include "render/form6.h"
#include "render/frmprint.h"

#include <filesystem>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace quarrow::test {
namespace {

void setText(QDialog& dialog, const char* name, const QString& text)
{
    auto* box = dialog.findChild<QLineEdit*>(QLatin1String(name));
    ASSERT_NE(box, nullptr) << name;
    box->setText(text);
}

QString labelText(QWidget& window, const char* name)
{
    auto* label = window.findChild<QLabel*>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
}

class Printing : public DesktopTest
{
protected:
    std::string laserJet() const { return platform.outputOf(QStringLiteral("Office LaserJet")); }

    // Print Selected Pages with these boxes, pressing Print.
    void printSelected(const QString& from, const QString& to, const QString& side = {})
    {
        modals.then(QStringLiteral("Form5"), [=](QDialog& dialog) {
            setText(dialog, "Text1", from);
            setText(dialog, "Text2", to);
            if (!side.isEmpty())
                dialog.findChild<QComboBox*>(QStringLiteral("Combo2"))->setCurrentText(side);
            click(dialog, "Command1_1");
            if (dialog.isVisible())
                click(dialog, "Command1_0");
        });
        printWindow().PrnSelPages_Click();
    }
};

TEST_F(Printing, PrintAllSendsEveryPageAsOneJob)
{
    open(listing("sr22.txt", undividedListing(7)));
    printWindow().viewprint_Click();
    EXPECT_EQ(pdfPageCount(laserJet()), 3);
    EXPECT_EQ(dialogs.messages, QStringList({"Pages have been sent to Office LaserJet printer."}));
    EXPECT_EQ(store.CurrentPage, 2);
}

TEST_F(Printing, PrintAllOfADividedBookPrintsTheLeftThenTheRightPages)
{
    open(listing("us97.txt", dividedListing(4)));
    printWindow().viewprint_Click();
    EXPECT_EQ(pdfPageCount(laserJet()), 4);
    EXPECT_EQ(store.CurrentSide, "right");
}

TEST_F(Printing, PrintsTheRangeChosen)
{
    open(listing("sr22.txt", undividedListing(10)));
    printSelected(QStringLiteral("2"), QStringLiteral("4"));
    EXPECT_EQ(pdfPageCount(laserJet()), 3);
    EXPECT_EQ(store.CurrentPage, 3);
    EXPECT_EQ(dialogs.messages, QStringList({"Pages have been sent to Office LaserJet printer."}));
}

TEST_F(Printing, FromOneToOnePrintsPageOne)
{
    open(listing("sr22.txt", undividedListing(4)));
    printSelected(QStringLiteral("1"), QStringLiteral("1"));
    EXPECT_EQ(pdfPageCount(laserJet()), 1);
}

TEST_F(Printing, PrintsARangeOfTheRightBook)
{
    open(listing("us97.txt", dividedListing(7)));
    printSelected(QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("right"));
    EXPECT_EQ(pdfPageCount(laserJet()), 2);
    EXPECT_EQ(store.CurrentSide, "right");
    EXPECT_EQ(store.CurrentPage, 2);
}

struct RangeCase
{
    const char* name;
    const char* from;
    const char* to;
    const char* message;
};

class BadRanges : public Printing, public testing::WithParamInterface<RangeCase>
{};

TEST_P(BadRanges, KeepTheDialogOpenWithAMessage)
{
    open(listing("sr22.txt", undividedListing(7)));
    printSelected(QString::fromLatin1(GetParam().from), QString::fromLatin1(GetParam().to));
    EXPECT_EQ(dialogs.messages, QStringList({QString::fromLatin1(GetParam().message)}));
    EXPECT_FALSE(std::filesystem::exists(laserJet()));
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, BadRanges,
    testing::Values(RangeCase{"FromAfterTo", "3", "2",
                              " From Page should be smaller than To Page, Please correct"},
                    RangeCase{"Empty", "", "", "Please enter page numbers from 1 to 3."},
                    RangeCase{"Zero", "0", "2", "Please enter page numbers from 1 to 3."},
                    RangeCase{"BeyondTheBook", "1", "4", "Please enter page numbers from 1 to 3."},
                    RangeCase{"NotANumber", "1", "two", "Please enter page numbers from 1 to 3."},
                    RangeCase{"Huge", "1", "99999999999",
                              "Please enter page numbers from 1 to 3."}),
    [](const testing::TestParamInfo<RangeCase>& param) { return std::string(param.param.name); });

TEST_F(Printing, CancelPrintsNothingAndForgetsTheDialog)
{
    open(listing("sr22.txt", undividedListing(4)));
    modals.then(QStringLiteral("Form5"), [](QDialog& dialog) {
        setText(dialog, "Text1", QStringLiteral("2"));
        click(dialog, "Command1_0");
    });
    printWindow().PrnSelPages_Click();
    EXPECT_FALSE(std::filesystem::exists(laserJet()));
    EXPECT_TRUE(dialogs.messages.isEmpty());
    QApplication::processEvents(); // the dialog is unloaded
    EXPECT_EQ(program.form5().findChild<QLineEdit*>(QStringLiteral("Text1"))->text(), QString());
}

TEST_F(Printing, TheDialogKeepsItsPagesAfterPrinting)
{
    open(listing("sr22.txt", undividedListing(7)));
    printSelected(QStringLiteral("2"), QStringLiteral("3"));
    EXPECT_EQ(program.form5().findChild<QLineEdit*>(QStringLiteral("Text1"))->text(),
              QStringLiteral("2"));
}

TEST_F(Printing, TheDialogShowsTheBookAndItsSides)
{
    open(listing("us97.txt", dividedListing(7)));
    Form5& form5 = program.form5();
    EXPECT_EQ(labelText(form5, "Label4"), QStringLiteral("Divided"));
    EXPECT_EQ(labelText(form5, "Label3"), QStringLiteral("Total Left Side Pages:"));
    EXPECT_EQ(labelText(form5, "Label6"), QStringLiteral("3"));
    auto* side = form5.findChild<QComboBox*>(QStringLiteral("Combo2"));
    EXPECT_FALSE(side->isHidden());
    side->setCurrentIndex(1);
    emit side->activated(1);
    EXPECT_EQ(labelText(form5, "Label3"), QStringLiteral("Total Right Side Pages:"));
    dialogs.answers = {false, false};
    open(listing("sr22.txt", undividedListing(4)));
    EXPECT_EQ(dialogs.questions.size(), 2) << "File Browse offers to save the book shown";
    EXPECT_EQ(labelText(form5, "Label4"), QStringLiteral("Undivided"));
    EXPECT_EQ(labelText(form5, "Label6"), QStringLiteral("2"));
    EXPECT_TRUE(side->isHidden());
}

TEST_F(Printing, ThePagePickerFillsTheBoxWithThePageNumber)
{
    open(listing("sr22.txt", undividedListing(7)));
    modals.then(QStringLiteral("Form5"), [this](QDialog& dialog) {
        modals.then(QStringLiteral("Form6"), [](QDialog& picker) {
            auto* pages = picker.findChild<QComboBox*>(QStringLiteral("Combo1"));
            ASSERT_EQ(pages->count(), 3);
            EXPECT_EQ(pages->itemText(1),
                      QStringLiteral("              2          11+50          12+50"));
            pages->setCurrentIndex(1);
            emit pages->activated(1);
        });
        click(dialog, "Command2");
        EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("Text1"))->text(),
                  QStringLiteral("2 "));
        click(dialog, "Command1_0");
    });
    printWindow().PrnSelPages_Click();
}

class NoPrinter : public DesktopTest
{
protected:
    NoPrinter() : DesktopTest({}) {}
};

TEST_F(NoPrinter, PagesAreLaidOutOnTheReferencePageAndPrintedIntoAPdfFile)
{
    EXPECT_EQ(program.printer().printer(), nullptr);
    open(listing("sr22.txt", undividedListing(4)));
    EXPECT_DOUBLE_EQ(store.PrintWidthChars, 96.0);
    EXPECT_DOUBLE_EQ(store.PrintHeightLines, 63.0);
    std::string pdf = dir.file("book.pdf");
    dialogs.saveAnswers.push_back(QString::fromStdString(pdf));
    printWindow().viewprint_Click();
    EXPECT_EQ(pdfPageCount(pdf), 2);
    EXPECT_EQ(dialogs.messages, QStringList({"Pages have been sent to " +
                                             QString::fromStdString(pdf) + " printer."}));
}

TEST_F(Printing, SaveAsPdfWritesTheWholeBook)
{
    open(listing("us97.txt", dividedListing(4)));
    std::string pdf = dir.file("us97.pdf");
    dialogs.saveAnswers.push_back(QString::fromStdString(pdf));
    printWindow().savePdf_Click();
    EXPECT_EQ(pdfPageCount(pdf), 4);
    EXPECT_EQ(store.CurrentSide, "left");
    EXPECT_EQ(store.CurrentPage, 0);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

class FontAndPrinter : public DesktopTest
{
protected:
    // Opens a listing, acting on the font and printer dialog.
    void openWith(const std::function<void(QDialog&)>& action)
    {
        modals.then(QStringLiteral("frmSystem"), action);
        enterNumbers();
        browse(listing("sr22.txt", undividedListing(2)));
        form1().cmdPreview_Click();
    }

    static QComboBox* combo(QDialog& dialog, const char* name)
    {
        return dialog.findChild<QComboBox*>(QLatin1String(name));
    }
};

TEST_F(FontAndPrinter, OffersThePrintersAndTheReportFonts)
{
    openWith([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Select Font and a Printer"));
        QComboBox* printers = combo(dialog, "Combo1_0");
        QComboBox* fonts = combo(dialog, "Combo1_1");
        EXPECT_EQ(printers->count(), 2);
        EXPECT_EQ(printers->currentText(), QStringLiteral("Office LaserJet"));
        QStringList offered;
        for (int i = 0; i < fonts->count(); ++i)
            offered << fonts->itemText(i);
        EXPECT_EQ(offered, QStringList({"Courier New", "Lucida Console", "MS LineDraw"}));
        EXPECT_EQ(fonts->currentText(), QStringLiteral("Lucida Console"));
        click(dialog, "cmdDone");
    });
    EXPECT_EQ(store.PrinterName, "Office LaserJet");
    EXPECT_EQ(store.ReportFontName, "Lucida Console");
}

TEST_F(FontAndPrinter, WithOneReportFontTheFontBoxStartsEmpty)
{
    platform.fonts = {QStringLiteral("Courier New"), QStringLiteral("DejaVu Sans")};
    openWith([](QDialog& dialog) {
        EXPECT_EQ(combo(dialog, "Combo1_1")->currentText(), QString());
        click(dialog, "cmdDone");
    });
    EXPECT_EQ(store.ReportFontName, "");
    EXPECT_EQ(store.ReportState, 2);
}

TEST_F(FontAndPrinter, TheChosenPrinterPrints)
{
    openWith([](QDialog& dialog) {
        combo(dialog, "Combo1_0")->setCurrentText(QStringLiteral("Plotter"));
        click(dialog, "cmdDone");
    });
    printWindow().viewprint_Click();
    EXPECT_EQ(pdfPageCount(platform.outputOf(QStringLiteral("Plotter"))), 1);
    EXPECT_EQ(dialogs.messages, QStringList({"Pages have been sent to Plotter printer."}));
}

TEST_F(FontAndPrinter, ANameOfNoInstalledPrinterIsNotTaken)
{
    openWith([](QDialog& dialog) {
        combo(dialog, "Combo1_0")->setEditText(QStringLiteral("Typed Printer"));
        click(dialog, "cmdDone");
    });
    EXPECT_EQ(store.PrinterName, "Office LaserJet");
    printWindow().viewprint_Click();
    EXPECT_EQ(dialogs.messages, QStringList({"Pages have been sent to Office LaserJet printer."}));
}

TEST_F(FontAndPrinter, CancelChangesNothing)
{
    openWith([](QDialog& dialog) {
        combo(dialog, "Combo1_1")->setEditText(QStringLiteral("MS LineDraw"));
        click(dialog, "cmdCancel");
    });
    EXPECT_EQ(store.ReportFontName, "");
    EXPECT_EQ(store.ReportState, 2);
}

} // namespace
} // namespace quarrow::test
