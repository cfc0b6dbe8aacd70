#pragma once

#include <QDialog>

class QComboBox;
class QPushButton;

namespace quarrow {

class PrintingDesktop;

// "Select Font and a Printer": the printer every page is printed on and laid out for, and
// the font every page is drawn in. Made anew for each showing.
class frmSystem : public QDialog
{
    Q_OBJECT

public:
    frmSystem(PrintingDesktop& program, QWidget* parent);

    void cmdDone_Click();
    void cmdCancel_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void listPrinters();
    void listFonts();

    PrintingDesktop& m_program;
    QComboBox* m_printers;
    QComboBox* m_fonts;
    QPushButton* m_cmdDone;
    QPushButton* m_cmdCancel;
};

} // namespace quarrow
