#pragma once

#include "store/bookpages.h"

#include <QDialog>

#include <string>

class QComboBox;

namespace quarrow {

class Desktop;

// "Find Station on the Page": turns the display window to the page of a station chosen
// from the book's list (page number and station) or typed.
class frmStation : public QDialog
{
    Q_OBJECT

public:
    frmStation(Desktop& program, QWidget* parent);

    // Lists the stations of a book just built or read.
    void takeBook();
    // The "Go To" commands: `side` is the book of a divided roadway searched, or Undivided.
    // The side stays chosen even when the dialog is closed without a Find.
    void goToStation(BookSide side);
    void Command1_Click();

private:
    void find();

    Desktop& m_program;
    QComboBox* m_combo1;
};

} // namespace quarrow
