#pragma once

#include "render/bookprinter.h"

#include <QMainWindow>

#include <functional>
#include <optional>
#include <utility>

class QAction;
class QMenu;

namespace quarrow {

class PageView;
class PrintingDesktop;

// The display window: one page of the book at a time, zoomed to fit the window, with menus
// to page through the book, find and correct stations, print, save and close.
class frmPrint : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmPrint(PrintingDesktop& program);
    ~frmPrint() override;

    // Clears the window and draws page `CurrentPage` of the current side.
    void redraw();
    // Shows the window, modeless, if it is not shown.
    void Preview();

    void viewForward_Click();
    void viewBackward_Click();
    void viewprint_Click();
    void PrnSelPages_Click();
    void savePdf_Click();
    void mnuSaveRpt_Click();
    void viewEnd_Click();

    PageView& view() { return *m_view; }

protected:
    bool event(QEvent* event) override;

private:
    void Form_Load();
    void fitToScreen();
    void showSearchMenus();
    void buildMenus();
    void updateDrawScale();
    void fitOnceFramed();
    QRect outerGeometry() const;
    std::optional<QSize> knownFrame() const;
    void turnTo(std::optional<PageRef> page, const QString& atTheEnd);
    void saveReport();
    void printPages(const std::optional<PageRange>& pages);
    bool runPrintJob(const QString& label, const std::function<bool(const PrintProgress&)>& job);
    std::optional<QString> printIntoPdf(const std::optional<PageRange>& pages);

    PrintingDesktop& m_program;
    // Set once shown until the window manager's frame is known; the window's children send it
    // events while it is being made.
    bool m_frameUnknown = false;
    // The printable area, in columns and lines, whose shape the window was given.
    std::pair<double, double> m_fittedArea;
    PageView* m_view;
    QAction* m_viewForward = nullptr;
    QAction* m_viewBackward = nullptr;
    QAction* m_mnuEdit = nullptr;
    QMenu* m_mnuGoTo = nullptr;
    QAction* m_mnuGoToStation = nullptr;
    QAction* m_mnuStationLeft = nullptr;
    QAction* m_mnuStationRight = nullptr;
    QMenu* m_mnuPrint = nullptr;
    QAction* m_viewprint = nullptr;
    QAction* m_PrnSelPages = nullptr;
    QAction* m_savePdf = nullptr;
    QAction* m_mnuSaveRpt = nullptr;
    QAction* m_viewEnd = nullptr;
};

} // namespace quarrow
