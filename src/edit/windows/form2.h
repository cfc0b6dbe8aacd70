#pragma once

#include <QDialog>

class QComboBox;
class QLabel;

namespace quarrow {

class Desktop;

// "Edit Station Details": the station to correct, the side of a divided book, and the
// process: "Edit" for the stake table's block, "Add" for the hub table's values. It is made
// hidden when the program starts and lives as long as the program.
class Form2 : public QDialog
{
    Q_OBJECT

public:
    Form2(Desktop& program, QWidget* parent);

    // Lists the stations of a book just built or read and shows its roadway type.
    void takeBook();
    // The display window's "Edit": starts at the first station of the list.
    void mnuEdit_Click();
    void Command1_Click(int index);

private:
    void Label4_Change();
    void openEditor();

    Desktop& m_program;
    QComboBox* m_combo4;
    QLabel* m_label4;
    QComboBox* m_combo2;
    QComboBox* m_combo3;
};

} // namespace quarrow
