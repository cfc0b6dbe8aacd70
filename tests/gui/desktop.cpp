#include "desktop.h"

#include "main/windows/form1.h"
#include "render/output/pdfoutput.h"
#include "render/windows/frmprint.h"
#include "windowkit/qtdialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>

namespace quarrow::test {

void ScriptedDialogs::message(QWidget* parent, const QString& text)
{
    QWidget* modal = QApplication::activeModalWidget();
    EXPECT_TRUE(!modal || parent == modal) << "message under a dialog: " << text.toStdString();
    messages << text;
    messageParents << (parent ? parent->objectName() : QString());
    if (realMessages)
        QtDialogs().message(parent, text);
}

bool ScriptedDialogs::question(QWidget*, const QString& text, const QString& title)
{
    questions << title + QStringLiteral(": ") + text;
    if (answers.empty()) {
        ADD_FAILURE() << "unanswered question: " << text.toStdString();
        return false;
    }
    bool answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<QString> ScriptedDialogs::nextFile(std::deque<std::optional<QString>>& files,
                                                 const QString& filter, FileDialogState& state)
{
    fileDialogs << filter + QStringLiteral(" | ") + state.fileName;
    if (files.empty()) {
        ADD_FAILURE() << "unanswered file dialog: " << filter.toStdString();
        return std::nullopt;
    }
    auto answer = files.front();
    files.pop_front();
    if (answer)
        state.fileName = *answer;
    return answer;
}

bool ScriptedDialogs::openFile(QWidget* parent, const QString& filter, FileDialogState& state)
{
    if (realOpenDialog)
        return QtDialogs().openFile(parent, filter, state);
    return nextFile(openAnswers, filter, state).has_value();
}

bool ScriptedDialogs::saveFile(QWidget*, const QString& filter, const QString& defaultSuffix,
                               FileDialogState& state)
{
    auto answer = nextFile(saveAnswers, filter, state);
    if (answer && !answer->trimmed().isEmpty() && !answer->contains(QLatin1Char('.')))
        state.fileName += QLatin1Char('.') + defaultSuffix;
    return answer.has_value();
}

std::unique_ptr<QPrinter> FakePrintPlatform::openPrinter(const QString& name) const
{
    if (!names.contains(name))
        return nullptr;
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QString::fromStdString(outputOf(name)));
    printer->setPageLayout(referencePageLayout());
    if (name == QLatin1String("Plotter"))
        printer->setPageSize(QPageSize(QPageSize::A4));
    return printer;
}

void ModalScript::then(const QString& objectName, std::function<void(QDialog&)> action)
{
    m_actions.emplace_back(objectName, std::move(action));
}

bool ModalScript::eventFilter(QObject* watched, QEvent* event)
{
    auto* dialog = qobject_cast<QDialog*>(watched);
    if (event->type() != QEvent::Show || !dialog || !dialog->isModal())
        return false;
    shown << dialog->objectName();
    bool next = !m_actions.empty() && m_actions.front().first == dialog->objectName();
    if (!next && qobject_cast<QProgressDialog*>(dialog))
        return false;
    if (!next) {
        unexpected << dialog->objectName();
        QTimer::singleShot(0, dialog, [dialog] { dialog->reject(); });
        return false;
    }
    auto action = std::move(m_actions.front().second);
    m_actions.pop_front();
    QTimer::singleShot(0, dialog, [dialog, action] { action(*dialog); });
    return false;
}

DesktopTest::DesktopTest(QStringList printers, const PrintPlatform* system)
    : platform(dir.path().string(), std::move(printers)),
      program(dialogs, system ? *system : platform, testDate), store(program.store())
{}

DesktopTest::~DesktopTest()
{
    EXPECT_TRUE(modals.unexpected.isEmpty())
        << "dialogs opened unexpectedly: " << modals.unexpected.join(", ").toStdString();
    EXPECT_TRUE(modals.done()) << "a scripted dialog never opened";
    EXPECT_TRUE(dialogs.answers.empty()) << "a scripted answer was never asked for";
}

void DesktopTest::type(const char* boxName, const QString& text)
{
    auto& box = child<QLineEdit>(form1(), boxName);
    box.setText(text);
    QFocusEvent leave(QEvent::FocusOut);
    QApplication::sendEvent(&box, &leave);
}

void DesktopTest::browse(const std::string& path)
{
    if (store.ReportState == kReportNotSaved && dialogs.answers.empty())
        dialogs.answers = {false, false};
    if (dialogs.realOpenDialog)
        modals.then(QStringLiteral("openFileDialog"), [this, path](QDialog& dialog) {
            auto& files = static_cast<QFileDialog&>(dialog);
            openFilters << files.selectedNameFilter();
            // The user shows the files of the kind chosen.
            QString pattern =
                QStringLiteral("*.") + QFileInfo(QString::fromStdString(path)).suffix();
            for (const QString& filter : files.nameFilters())
                if (filter.contains(pattern))
                    files.selectNameFilter(filter);
            files.selectFile(QString::fromStdString(path));
            dialog.accept();
            if (dialog.isVisible()) {
                ADD_FAILURE() << "the file dialog did not take " << path;
                dialog.reject();
            }
        });
    else
        dialogs.openAnswers.push_back(QString::fromStdString(path));
    form1().cmdBrowse_Click();
}

void DesktopTest::preview(std::function<void(QDialog&)> fontAndPrinter)
{
    if (!fontAndPrinter)
        fontAndPrinter = [](QDialog& dialog) { click(dialog, "cmdDone"); };
    modals.then(QStringLiteral("frmSystem"), std::move(fontAndPrinter));
    form1().cmdPreview_Click();
}

void DesktopTest::open(const std::string& path, std::function<void(QDialog&)> fontAndPrinter)
{
    type("txtProjectNumber", QStringLiteral("104"));
    type("txtControlNumber", QStringLiteral("2207"));
    browse(path);
    preview(std::move(fontAndPrinter));
}

std::string DesktopTest::shown() const
{
    return (store.RoadwayType == "Divided" ? store.CurrentSide : "") +
           std::to_string(store.CurrentPage);
}

} // namespace quarrow::test

// The windows are tested without a display, on Qt's offscreen platform.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef Q_OS_WIN
    // There the offscreen platform draws with the font files of a folder, as Windows keeps
    // its own: Windows' fonts folder.
    qputenv("QT_QPA_FONTDIR", qgetenv("WINDIR") + "\\Fonts");
#endif
    QApplication application(argc, argv);
    // What the program keeps for the user goes to the tests' own places.
    QStandardPaths::setTestModeEnabled(true);
    QApplication::setOrganizationName(QStringLiteral("Quarrow Print Book tests"));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
