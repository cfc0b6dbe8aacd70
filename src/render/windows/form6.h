#pragma once

#include <QDialog>

class QComboBox;

namespace quarrow {

class PrintingDesktop;

// "Select Page Number": a page picker listing every page of the book with its first and
// last station. Picking hides it, so its list stays loaded.
class Form6 : public QDialog
{
    Q_OBJECT

public:
    Form6(PrintingDesktop& program, QWidget* parent);

    // Lists the pages of a book just built or read.
    void takeBook();
    // Shows the picker modal; the item at the picked index (the last one picked when the
    // picker is closed without a pick), or an empty text when the list is empty.
    QString pickPage();

    void Combo1_Click(int index);

private:
    PrintingDesktop& m_program;
    QComboBox* m_combo1;
    int m_PickedPageIndex = 0;
};

} // namespace quarrow
