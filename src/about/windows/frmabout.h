#pragma once

#include <QDialog>
#include <QList>

class QPushButton;

namespace quarrow {

class Desktop;

// "About Quarrow Program": the program's title, version date and purpose, and a button that
// starts the system-information tool where the system has one.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    frmAbout(Desktop& program, QWidget* parent);

    void cmdOK_Click();
    void cmdSysInfo_Click();

private:
    void StartSysInfo();
    static void widenToCaptions(const QList<QPushButton*>& buttons);

    Desktop& m_program;
};

// Reads a value of the local machine's registry; empty where there is no registry or no
// such value.
QString GetKeyValue(const QString& keyName, const QString& valueName);

} // namespace quarrow
