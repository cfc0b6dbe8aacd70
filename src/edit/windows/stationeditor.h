#pragma once

#include "edit/stationedit.h"

#include <QDialog>

#include <vector>

class QPlainTextEdit;

namespace quarrow {

class Desktop;

// A station editor: one box per column of a station block, "UpDate" writing them into the
// book and redrawing the page, "Cancel" discarding them. Made fresh for each edit.
class StationEditor : public QDialog
{
    Q_OBJECT

public:
    // The text box of each column: its label and whether it holds one line only or cannot
    // be edited.
    struct Box
    {
        const char* label;
        bool oneLine = false;
        bool locked = false;
    };

    StationEditor(Desktop& program, EditTable table, const char* name,
                  const std::vector<Box>& boxes, QWidget* parent);

    // Fills the boxes from block BlockIndex of `page` of the current book.
    void fill(std::int32_t page);
    void Command1_Click(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void update();
    std::vector<std::string> boxTexts() const;

    Desktop& m_program;
    EditTable m_table;
    std::vector<QPlainTextEdit*> m_boxes;
};

// "Details of Station": the stake table's block of a station.
class Form3 : public StationEditor
{
    Q_OBJECT

public:
    Form3(Desktop& program, QWidget* parent);
};

// "Details of Station": the hub table's block of a station.
class Form4 : public StationEditor
{
    Q_OBJECT

public:
    Form4(Desktop& program, QWidget* parent);
};

} // namespace quarrow
