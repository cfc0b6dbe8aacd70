#pragma once

#include "guitestsupport.h"
#include "main/form1.h"
#include "main/program.h"
#include "render/frmprint.h"
#include "render/pageview.h"

#include <chrono>
#include <gtest/gtest.h>
#include <QApplication>

class QLineEdit;

namespace quarrow::test {

// A desktop program with scripted dialogs and two PDF-file printers, on a fixed date.
class DesktopTest : public testing::Test
{
protected:
    explicit DesktopTest(QStringList printers = {QStringLiteral("Office LaserJet"),
                                                 QStringLiteral("Plotter")});
    ~DesktopTest() override;

    Form1& form1();
    frmPrint& printWindow();

    // Types into a box and leaves it, as the user does.
    void type(const char* boxName, const QString& text);
    void enterNumbers(const QString& project = QStringLiteral("104"),
                      const QString& control = QStringLiteral("2207"));
    // File Browse, choosing `path` in the open-file dialog.
    void browse(const std::string& path);
    // Preview, pressing "&Preview" in the font and printer dialog when it opens.
    void preview();
    // Numbers, File Browse and Preview of a file.
    void open(const std::string& path);

    std::string listing(const std::string& name, const std::vector<std::string>& lines);

    TempDir dir;
    ScriptedDialogs dialogs;
    FakePrintPlatform platform;
    ModalScript modals;
    Program program;
    ReportStore& store;
};

// An undivided listing of `stations` stations, two data lines each.
std::vector<std::string> undividedListing(int stations);
// A divided listing of `stations` stations, four data lines each.
std::vector<std::string> dividedListing(int stations);
std::string stationText(int index);

} // namespace quarrow::test
