#include <gtest/gtest.h>
#include <memory>
#include <QGuiApplication>

namespace {

// Fonts and painting need a GUI application; the tests run it on the offscreen platform
// unless QT_QPA_PLATFORM names another.
class QtGuiEnvironment : public testing::Environment
{
public:
    void SetUp() override
    {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        m_application = std::make_unique<QGuiApplication>(m_argc, m_argv);
    }
    void TearDown() override { m_application.reset(); }

private:
    int m_argc = 1;
    char m_name[16] = "render_qt_tests";
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QGuiApplication> m_application;
};

[[maybe_unused]] testing::Environment* const g_environment =
    testing::AddGlobalTestEnvironment(new QtGuiEnvironment);

} // namespace
