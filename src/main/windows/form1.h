#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace quarrow {

class PrintingDesktop;

// The main window: the project and control numbers for the page header, the input file,
// Preview, which builds the book and shows it, About and Close.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(PrintingDesktop& program);

    // Chooses a file as File Browse does: a file named on the command line, such as a report
    // file opened from Explorer. A name that names no file is refused with a message.
    void chooseFile(const QString& name);

    void cmdBrowse_Click();
    void cmdPreview_Click();
    void cmdClose_Click();
    void Command1_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void txtProjectNumber_LostFocus();
    void txtControlNumber_LostFocus();
    void browse();
    void preview();
    void setFileName(const QString& name);
    bool checkNumbers();
    bool isSaveDue() const;
    bool runSavePrompt();
    bool openBook();

    PrintingDesktop& m_program;
    QLabel* m_label1;
    QLabel* m_label2;
    QLineEdit* m_txtProjectNumber;
    QLabel* m_label3Control;
    QLineEdit* m_txtControlNumber;
    QLabel* m_label3File;
    QLabel* m_lblFilename;
    QPushButton* m_cmdBrowse;
    QPushButton* m_command1;
    QPushButton* m_cmdPreview;
    QPushButton* m_cmdClose;
    QString m_fileName; // the file chosen, which lblFilename shows
    bool m_ending = false;
};

} // namespace quarrow
