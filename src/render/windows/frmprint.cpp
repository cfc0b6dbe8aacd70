#include "render/windows/frmprint.h"

#include "render/output/pdfoutput.h"
#include "render/output/printjob.h"
#include "render/output/qtpaintersurface.h"
#include "render/units.h"
#include "render/windows/pageview.h"
#include "render/windows/printingdesktop.h"
#include "store/reportfile.h"
#include "windowkit/formcontrols.h"
#include "windowkit/qtdialogs.h"
#include "windowkit/reportsaving.h"

#include <QEvent>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QProgressDialog>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QWindow>

#include <algorithm>

namespace quarrow {
namespace {

QAction* addItem(QWidget* menu, const char* name, const QString& caption)
{
    auto* action = new QAction(caption, menu);
    action->setObjectName(QLatin1String(name));
    menu->addAction(action);
    return action;
}

// A progress dialog shown at once. Left to itself, QProgressDialog shows itself from a
// timer, which can fire inside the event loop of a message the job raises and put the
// dialog over the message; and it lets the user cancel only once it has shown itself.
class JobProgress : public QProgressDialog
{
public:
    using QProgressDialog::QProgressDialog;
    void showNow() { forceShow(); }
};

QMenu* addMenu(QMenuBar* bar, const char* name, const QString& caption)
{
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    return menu;
}

} // namespace

frmPrint::frmPrint(PrintingDesktop& program) : m_program(program), m_view(new PageView(this))
{
    setObjectName(QStringLiteral("frmPrint"));
    setWindowTitle(QStringLiteral("Display Report"));
    setCentralWidget(m_view);
    buildMenus();
    Form_Load();
    connect(m_view, &PageView::resized, this, [this] {
        m_program.trap(" Program Error: ", " occured in form_resize(frmPrint)", [this] {
            updateDrawScale();
            redraw();
            Preview();
        });
    });
}

frmPrint::~frmPrint() = default;

void frmPrint::buildMenus()
{
    QMenuBar* bar = menuBar();
    m_viewForward = addItem(bar, "viewForward", QStringLiteral("&>>"));
    m_viewBackward = addItem(bar, "viewBackward", QStringLiteral("<&<"));
    m_mnuEdit = addItem(bar, "mnuEdit", QStringLiteral("Edit"));
    m_mnuGoTo = addMenu(bar, "mnuGoTo", QStringLiteral("&Go To"));
    m_mnuGoToStation = addItem(m_mnuGoTo, "mnuGoToStation", QStringLiteral("Go To Station"));
    m_mnuStationLeft = addItem(m_mnuGoTo, "mnuStationLeft", QStringLiteral("GoTo StationLeft"));
    m_mnuStationRight = addItem(m_mnuGoTo, "mnuStationRight", QStringLiteral("GoTo StationRight"));
    m_mnuPrint = addMenu(bar, "mnuPrint", QStringLiteral("&Print"));
    m_viewprint = addItem(m_mnuPrint, "viewprint", QStringLiteral("PrintAll"));
    m_PrnSelPages = addItem(m_mnuPrint, "PrnSelPages", QStringLiteral("Print Selected Pages"));
    m_savePdf = addItem(m_mnuPrint, "savePdf", QStringLiteral("Save as PDF..."));
    m_mnuSaveRpt = addItem(bar, "mnuSaveRpt", QStringLiteral("Save Report"));
    m_viewEnd = addItem(bar, "viewEnd", QStringLiteral("&End"));

    m_viewForward->setShortcut(QKeySequence(Qt::Key_PageDown));
    m_viewBackward->setShortcut(QKeySequence(Qt::Key_PageUp));
    m_viewprint->setShortcut(QKeySequence::Print);
    m_mnuSaveRpt->setShortcut(QKeySequence::Save);
    connect(m_viewForward, &QAction::triggered, this, &frmPrint::viewForward_Click);
    connect(m_viewBackward, &QAction::triggered, this, &frmPrint::viewBackward_Click);
    connect(m_mnuEdit, &QAction::triggered, this, [this] { m_program.editStation(); });
    connect(m_mnuGoToStation, &QAction::triggered, this,
            [this] { m_program.goToStation(BookSide::Undivided); });
    connect(m_mnuStationLeft, &QAction::triggered, this,
            [this] { m_program.goToStation(BookSide::Left); });
    connect(m_mnuStationRight, &QAction::triggered, this,
            [this] { m_program.goToStation(BookSide::Right); });
    connect(m_viewprint, &QAction::triggered, this, &frmPrint::viewprint_Click);
    connect(m_PrnSelPages, &QAction::triggered, this, &frmPrint::PrnSelPages_Click);
    connect(m_savePdf, &QAction::triggered, this, &frmPrint::savePdf_Click);
    connect(m_mnuSaveRpt, &QAction::triggered, this, &frmPrint::mnuSaveRpt_Click);
    connect(m_viewEnd, &QAction::triggered, this, &frmPrint::viewEnd_Click);
}

void frmPrint::Form_Load()
{
    m_program.trap("Program Error : ", " occured in form load", [this] {
        m_program.renderer().refreshPageMetrics();
        fitToScreen();
        showSearchMenus();
    });
}

// The window, frame included, takes the size of the printer's printable area or, where that
// would not fit the screen, the largest size of the same shape that does, and stands within
// the screen.
void frmPrint::fitToScreen()
{
    const ReportStore& store = m_program.store();
    QSizeF page(store.PrintWidthChars * units::kTwipsPerColumn / kTwipsPerPixel,
                store.PrintHeightLines * units::kTwipsPerLine / kTwipsPerPixel);
    // Until the window is shown its frame is not known: a title bar and borders are allowed
    // for, more than most window managers draw.
    int border = style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 4;
    QSize frame = knownFrame().value_or(
        QSize(2 * border, style()->pixelMetric(QStyle::PM_TitleBarHeight) + 2 * border));
    m_fittedArea = {store.PrintWidthChars, store.PrintHeightLines};
    QRect room = screen()->availableGeometry();
    double shrink = std::min({1.0, room.width() / page.width(), room.height() / page.height()});
    QSize outer = (page * shrink).toSize();
    resize(outer - frame);
    QPoint place = outerGeometry().topLeft();
    place = {std::clamp(place.x(), room.left(), room.right() + 1 - outer.width()),
             std::clamp(place.y(), room.top(), room.bottom() + 1 - outer.height())};
    // Placed by the frame the window system knows, as the widget's may lag behind.
    if (windowHandle())
        windowHandle()->setFramePosition(place);
    else
        move(place);
}

// The station search offered is that of the roadway type shown.
void frmPrint::showSearchMenus()
{
    const ReportStore& store = m_program.store();
    if (isUndivided(store) || isDivided(store)) {
        bool divided = isDivided(store);
        m_mnuGoToStation->setVisible(!divided);
        m_mnuStationLeft->setVisible(divided);
        m_mnuStationRight->setVisible(divided);
    }
}

// The page fits the window's narrower direction with a margin of 300 twips on each side of
// the reference page of 11520 by 15120 twips, or of the printer's printable area where that
// is larger, as on a printer without margins, whose page would otherwise run off the window.
void frmPrint::updateDrawScale()
{
    const ReportStore& store = m_program.store();
    float pageWidth =
        std::max(11520.0f, static_cast<float>(store.PrintWidthChars * units::kTwipsPerColumn));
    float pageHeight =
        std::max(15120.0f, static_cast<float>(store.PrintHeightLines * units::kTwipsPerLine));
    QSize outer = frameGeometry().size();
    float width = static_cast<float>(outer.width() * kTwipsPerPixel);
    float height = static_cast<float>(outer.height() * kTwipsPerPixel);
    m_program.store().DrawScale = height / pageHeight > width / pageWidth
                                      ? width / (pageWidth + 300.0f)
                                      : height / (pageHeight + 300.0f);
}

void frmPrint::redraw()
{
    QImage& image = m_view->clear();
    QPainter painter(&image);
    QtPainterSurface surface(painter, SurfaceKind::Window);
    m_program.renderer().PrintRDSForm(surface);
    m_program.renderer().ImpPrintRDSForm(surface, 50);
}

// The window may have been closed by its frame, which hides it: the book it shows now may be
// of another roadway type. Shown again, open or hidden, it takes the shape of a printer of
// another paper before it shows, so that a window manager places it in its new shape, and
// comes to the front, minimized or not.
void frmPrint::Preview()
{
    showSearchMenus();
    if (m_fittedArea !=
        std::pair(m_program.store().PrintWidthChars, m_program.store().PrintHeightLines))
        fitToScreen();
    if (!isVisible()) {
        m_frameUnknown = true;
        show();
        // Now and then Qt learns the frame without a move to tell of it: a second later the
        // window is fitted all the same, once.
        QTimer::singleShot(1000, this, &frmPrint::fitOnceFramed);
    }
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
}

// The window manager frames the window after it is shown; once the frame is known, the window
// is fitted again so that, frame included, it stays on the screen.
bool frmPrint::event(QEvent* event)
{
    bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::Move)
        fitOnceFramed();
    return handled;
}

// The window and its frame as the window system has them. The widget's own frame geometry
// can lag behind while a window shown again is framed anew, and then stays wrong.
QRect frmPrint::outerGeometry() const
{
    return windowHandle() ? windowHandle()->frameGeometry() : frameGeometry();
}

// The frame's width and height, once the window manager has framed the window.
std::optional<QSize> frmPrint::knownFrame() const
{
    QSize frame = outerGeometry().size() - size();
    if (frame.isNull() || frame.width() < 0 || frame.height() < 0)
        return std::nullopt;
    return frame;
}

void frmPrint::fitOnceFramed()
{
    if (m_frameUnknown && knownFrame()) {
        m_frameUnknown = false;
        fitToScreen();
    }
}

void frmPrint::viewForward_Click()
{
    m_program.trap("Program Error : ", " occured in ViewForward_Click", [this] {
        const ReportStore& store = m_program.store();
        turnTo(nextPage(store, currentPage(store)),
               QStringLiteral(" Last Page can't move forward"));
    });
}

void frmPrint::viewBackward_Click()
{
    m_program.trap(" Program Error : ", " occured in ViewBackward_Click", [this] {
        const ReportStore& store = m_program.store();
        turnTo(previousPage(store, currentPage(store)),
               QStringLiteral(" First Page can't move backward"));
    });
}

// Shows the page paged to, or says why there is none.
void frmPrint::turnTo(std::optional<PageRef> page, const QString& atTheEnd)
{
    if (!page) {
        m_program.message(atTheEnd, this);
        return;
    }
    showPage(m_program.store(), *page);
    redraw();
}

void frmPrint::viewprint_Click()
{
    printPages(std::nullopt);
}

void frmPrint::PrnSelPages_Click()
{
    if (auto range = m_program.choosePages())
        printPages(range);
}

// Prints as one job on the current printer; with no printer installed, into a PDF file. A
// job cancelled from its progress dialog is killed and says nothing more. A job printed
// leaves the last page it printed as the page shown, though the window is not drawn anew;
// its message names the printer the job went to, whichever the font and printer dialog left
// current, or the PDF file the pages were saved as.
void frmPrint::printPages(const std::optional<PageRange>& pages)
{
    m_program.trap("Program Error : ", " occured in viewPrint_click", [&] {
        QPrinter* printer = m_program.printer().printer();
        QString device = m_program.printer().deviceName();
        QString said;
        if (!printer) {
            auto pdf = printIntoPdf(pages);
            if (!pdf)
                return;
            said = (pages ? QStringLiteral("The pages chosen have been saved as ")
                          : QStringLiteral("The book has been saved as ")) +
                   *pdf + QStringLiteral(".");
        } else if (runPrintJob(
                       QStringLiteral("Printing the book..."), [&](const PrintProgress& progress) {
                           return printOnPrinter(*printer, m_program.store(), m_program.renderer(),
                                                 m_program.messenger(), pages, progress);
                       })) {
            said =
                QStringLiteral("Pages have been sent to ") + device + QStringLiteral(" printer.");
        } else {
            return;
        }
        ReportStore& store = m_program.store();
        if (auto job = pagesToPrint(store, pages); !job.empty()) {
            showPage(store, job.back());
            store.PageIndex = job.back().index;
        }
        m_program.message(said, this);
    });
}

// The job's progress dialog is application-modal, and shown, from before the first page to
// the job's end: no other command may replace the printer, the book or this window while
// they are printed, and a message the job raises opens over it. The dialog is gone when the
// job has ended, before anything is said about it.
bool frmPrint::runPrintJob(const QString& label,
                           const std::function<bool(const PrintProgress&)>& job)
{
    JobProgress dialog(label, QStringLiteral("Cancel"), 0, 1, this);
    dialog.setObjectName(QStringLiteral("printProgress"));
    dialog.setWindowTitle(kProgramTitle);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setAutoReset(false);
    dialog.setMinimumWidth(titleWidth(dialog));
    dialog.showNow();
    return job([&dialog](std::int64_t printed, std::int64_t total) {
        dialog.setMaximum(static_cast<int>(total));
        dialog.setValue(static_cast<int>(printed));
        return !dialog.wasCanceled();
    });
}

// Asks for the PDF file and prints the pages into it; the name, or nothing when the user
// cancelled or the job did not end well. A file the name replaces stays as it was until the
// job has ended well.
std::optional<QString> frmPrint::printIntoPdf(const std::optional<PageRange>& pages)
{
    auto file = askPdfFileName(m_program, this);
    if (!file)
        return std::nullopt;
    bool printed = runPrintJob(
        QStringLiteral("Saving the book as a PDF file..."), [&](const PrintProgress& progress) {
            return printBookToPdf(m_program.store(), file->toStdString(), m_program.messenger(),
                                  m_program.renderer().dateSource(), pages, progress);
        });
    return printed ? file : std::nullopt;
}

// The whole book, whichever printer is chosen; the page shown stays.
void frmPrint::savePdf_Click()
{
    m_program.trap("Program Error : ", " occured in savePdf", [this] {
        if (auto pdf = printIntoPdf(std::nullopt))
            m_program.message(
                QStringLiteral("The book has been saved as ") + *pdf + QStringLiteral("."), this);
    });
}

void frmPrint::mnuSaveRpt_Click()
{
    m_program.trap("Program Error :", " occured in mnuSaveRpt", [this] { saveReport(); });
}

// The book counts as saved only once the file was written.
void frmPrint::saveReport()
{
    if (!askReportFileName(m_program, this))
        return;
    ReportStore& store = m_program.store();
    if (writeReport(store, m_program.messenger())) {
        store.ReportState = kReportSaved;
        store.UnsavedCorrections = false;
    }
}

void frmPrint::viewEnd_Click()
{
    m_program.trap("Program Error: ", " occured in viewEnd_Click",
                   [this] { m_program.unloadPrintWindow(); });
}

} // namespace quarrow
