// Measures the desktop program on Qt's offscreen platform: how long the main window takes to
// appear, how long Preview of a listing at the undivided capacity (30 002 stations) takes to
// show page 1 with every selection list filled, and how long a page change takes to redraw.

#include "main/windows/form1.h"
#include "main/windows/program.h"
#include "render/output/printplatform.h"
#include "render/windows/frmprint.h"

#include <QApplication>
#include <QDialog>
#include <QFileInfo>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <fstream>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Chooses `file` to open and answers nothing else: the measured flows show no message and
// ask no question.
class SilentDialogs : public quarrow::Dialogs
{
public:
    void message(QWidget*, const QString& text) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
    bool question(QWidget*, const QString&, const QString&) override { return false; }
    bool openFile(QWidget*, const QString&, quarrow::FileDialogState& state) override
    {
        state.fileName = file;
        return true;
    }
    bool saveFile(QWidget*, const QString&, const QString&, quarrow::FileDialogState&) override
    {
        return false;
    }

    QString file;
};

// Presses "&Preview" in the font and printer dialog as soon as it shows.
class AcceptDialogs : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (event->type() == QEvent::Show && dialog && dialog->isModal())
            QTimer::singleShot(0, dialog, [dialog] { dialog->accept(); });
        return false;
    }
};

void writeListing(const QString& path, int stations)
{
    std::ofstream out(path.toStdString(), std::ios::binary);
    out << "UNDIVIDED,IMPERIAL\r\n";
    for (int i = 0; i < stations; ++i) {
        std::string station = std::to_string(i / 100) + "+" + std::to_string(i % 100);
        for (int side = 0; side < 2; ++side)
            out << "SR22 PGL," << station
                << ",1020.5,2.5,1019.25,12,1.5,4,F,0,6,1016.5,2,8,4,3.25,13,4\r\n";
    }
}

void setBox(quarrow::Form1& form, const char* name, const QString& text)
{
    auto* box = form.findChild<QLineEdit*>(QLatin1String(name));
    box->setText(text);
    QFocusEvent leave(QEvent::FocusOut);
    QApplication::sendEvent(box, &leave);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    auto started = Clock::now();
    QApplication application(argc, argv);
    SilentDialogs dialogs;
    quarrow::QtPrintPlatform platform;
    quarrow::Program program(dialogs, platform);
    quarrow::Form1& form = program.form1();
    form.show();
    QApplication::processEvents();
    std::printf("main window shown                %8.1f ms\n", millisecondsSince(started));

    QTemporaryDir dir;
    QString listing = dir.filePath(QStringLiteral("capacity.txt"));
    writeListing(listing, 30002);
    setBox(form, "txtProjectNumber", QStringLiteral("104"));
    setBox(form, "txtControlNumber", QStringLiteral("2207"));
    dialogs.file = listing;
    form.cmdBrowse_Click();

    AcceptDialogs accept;
    application.installEventFilter(&accept);
    started = Clock::now();
    form.cmdPreview_Click();
    QApplication::processEvents();
    std::printf("preview of 30002 stations        %8.1f ms (%d pages, %zu stations listed)\n",
                millisecondsSince(started), program.store().LastPage + 1,
                program.store().StationItems.size());

    quarrow::frmPrint& window = program.printWindow();
    constexpr int kPages = 200;
    started = Clock::now();
    for (int i = 0; i < kPages; ++i) {
        window.viewForward_Click();
        QApplication::processEvents();
    }
    std::printf("page change with redraw          %8.2f ms each\n",
                millisecondsSince(started) / kPages);
    return 0;
}
