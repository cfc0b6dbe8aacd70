#pragma once

#include "render/bookprinter.h"

#include <QDialog>

#include <cstdint>
#include <optional>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quarrow {

class PrintingDesktop;

// "Print Selected Pages": the range of pages to print, and the side of a divided book.
// Print hides the dialog, so the next showing keeps the pages, side and labels; Cancel
// unloads it.
class Form5 : public QDialog
{
    Q_OBJECT

public:
    Form5(PrintingDesktop& program, QWidget* parent);

    // Puts the roadway type, side and page count of the book; done when the dialog is made
    // and for each book built or read.
    void takeBook();
    // Shows the dialog modal; the pages chosen, or nothing when it was cancelled.
    std::optional<PageRange> choosePages();

    void Command1_Click(int index);
    void Command2_Click();
    void Command3_Click();

private:
    void Label4_Change();
    void Combo2_Click();
    void showPageCount(bool rightSide);
    std::int32_t pageCount() const;
    BookSide chosenSide() const;
    std::optional<std::int16_t> pageNumber(QLineEdit* box) const;
    void pickPage(QLineEdit* box);

    PrintingDesktop& m_program;
    QLabel* m_label4;
    QComboBox* m_combo2;
    QLabel* m_label3;
    QLabel* m_label6;
    QLineEdit* m_text1;
    QLineEdit* m_text2;
    QPushButton* m_print;
    QPushButton* m_cancel;
    std::int16_t m_PrintFromPage = 0;
    std::int16_t m_PrintToPage = 0;
};

} // namespace quarrow
