#include "guitestsupport.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QEvent>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

namespace quarrow::test {

void ScriptedDialogs::message(QWidget*, const QString& text)
{
    messages << text;
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

bool ScriptedDialogs::openFile(QWidget*, const QString& filter, FileDialogState& state)
{
    fileDialogs << filter + QStringLiteral(" | ") + state.fileName;
    if (openAnswers.empty()) {
        ADD_FAILURE() << "unanswered open-file dialog";
        return false;
    }
    auto answer = openAnswers.front();
    openAnswers.pop_front();
    if (!answer)
        return false;
    state.fileName = *answer;
    return true;
}

bool ScriptedDialogs::saveFile(QWidget*, const QString& filter, const QString& defaultSuffix,
                               FileDialogState& state)
{
    fileDialogs << filter + QStringLiteral(" | ") + state.fileName;
    if (saveAnswers.empty()) {
        ADD_FAILURE() << "unanswered save dialog";
        return false;
    }
    auto answer = saveAnswers.front();
    saveAnswers.pop_front();
    if (!answer)
        return false;
    state.fileName = *answer;
    if (!answer->trimmed().isEmpty() && !answer->contains(QLatin1Char('.')))
        state.fileName += QLatin1Char('.') + defaultSuffix;
    return true;
}

FakePrintPlatform::FakePrintPlatform(std::string folder, QStringList printerNames)
    : names(std::move(printerNames)), m_folder(std::move(folder))
{}

std::string FakePrintPlatform::outputOf(const QString& name) const
{
    return m_folder + "/" + name.toStdString() + ".pdf";
}

std::unique_ptr<QPrinter> FakePrintPlatform::openPrinter(const QString& name) const
{
    if (!names.contains(name))
        return nullptr;
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QString::fromStdString(outputOf(name)));
    printer->setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                       QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch));
    return printer;
}

ModalScript::ModalScript()
{
    qApp->installEventFilter(this);
}

ModalScript::~ModalScript()
{
    qApp->removeEventFilter(this);
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
    if (m_actions.empty() || m_actions.front().first != dialog->objectName()) {
        unexpected << dialog->objectName();
        QTimer::singleShot(0, dialog, [dialog] { dialog->reject(); });
        return false;
    }
    auto action = std::move(m_actions.front().second);
    m_actions.pop_front();
    QTimer::singleShot(0, dialog, [dialog, action] { action(*dialog); });
    return false;
}

void click(QWidget& window, const char* buttonName)
{
    auto* button = window.findChild<QPushButton*>(QLatin1String(buttonName));
    ASSERT_NE(button, nullptr) << buttonName;
    button->click();
}

int pdfPageCount(const std::string& path)
{
    QString text = QString::fromLatin1(QByteArray::fromStdString(readFile(path)));
    return static_cast<int>(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

} // namespace quarrow::test
