#include "desktopfixture.h"

#include "main/form1.h"
#include "render/frmprint.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>

namespace quarrow::test {
namespace {

std::chrono::year_month_day fixedDate()
{
    using namespace std::chrono;
    return year{2026} / December / 6;
}

} // namespace

DesktopTest::DesktopTest(QStringList printers)
    : platform(dir.path().string(), std::move(printers)), program(dialogs, platform, fixedDate),
      store(program.store())
{}

DesktopTest::~DesktopTest()
{
    EXPECT_TRUE(modals.unexpected.isEmpty())
        << "dialogs opened unexpectedly: "
        << modals.unexpected.join(QStringLiteral(", ")).toStdString();
    EXPECT_TRUE(modals.done()) << "a scripted dialog never opened";
    EXPECT_TRUE(dialogs.answers.empty()) << "a scripted answer was never asked for";
}

Form1& DesktopTest::form1()
{
    return program.form1();
}

frmPrint& DesktopTest::printWindow()
{
    return program.printWindow();
}

void DesktopTest::type(const char* boxName, const QString& text)
{
    auto* box = form1().findChild<QLineEdit*>(QLatin1String(boxName));
    ASSERT_NE(box, nullptr) << boxName;
    box->setText(text);
    QFocusEvent leave(QEvent::FocusOut);
    QApplication::sendEvent(box, &leave);
}

void DesktopTest::enterNumbers(const QString& project, const QString& control)
{
    type("txtProjectNumber", project);
    type("txtControlNumber", control);
}

void DesktopTest::browse(const std::string& path)
{
    dialogs.openAnswers.push_back(QString::fromStdString(path));
    form1().cmdBrowse_Click();
}

void DesktopTest::preview()
{
    modals.then(QStringLiteral("frmSystem"), [](QDialog& dialog) { click(dialog, "cmdDone"); });
    form1().cmdPreview_Click();
}

void DesktopTest::open(const std::string& path)
{
    enterNumbers();
    browse(path);
    preview();
}

std::string DesktopTest::listing(const std::string& name, const std::vector<std::string>& lines)
{
    return dir.write(name, crlfLines(lines));
}

std::string stationText(int index)
{
    int feet = 1000 + index * 50;
    std::string remainder = std::to_string(feet % 100);
    return std::to_string(feet / 100) + "+" + (remainder.size() < 2 ? "0" : "") + remainder;
}

std::vector<std::string> undividedListing(int stations)
{
    std::vector<std::string> lines{"UNDIVIDED,IMPERIAL"};
    for (int i = 0; i < stations; ++i) {
        for (int side = 0; side < 2; ++side)
            lines.push_back("SR22 PGL," + stationText(i) +
                            ",1020.5,2.5,1019.25,12,1.5,4,F,0,6,1016.5,2,8,4,3.25,13,4");
    }
    return lines;
}

std::vector<std::string> dividedListing(int stations)
{
    std::vector<std::string> lines{"DIVIDED,METRIC"};
    for (int i = 0; i < stations; ++i) {
        for (int line = 0; line < 4; ++line)
            lines.push_back(
                "US97 PGL," + stationText(i) +
                ",312.5,0.5,311.25,3.6,0.5,1.2,C,0,1.8,310.5,2,2.4,1.2,0.8,3.2,4,0,7.2");
    }
    return lines;
}

} // namespace quarrow::test
