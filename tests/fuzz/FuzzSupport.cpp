#include "FuzzSupport.h"

#include <QApplication>

namespace Fuzz {

void ensureApplication()
{
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    // Never destroyed: at exit Qt's own globals may already be gone.
    static QApplication* application = new QApplication(argc, argv);
    static_cast<void>(application);
}

int Input::intIn(int low, int high)
{
    std::uint32_t raw = 0;
    for (int i = 0; i < 4; ++i)
        raw = raw << 8 | byte();
    const std::uint64_t span = static_cast<std::uint64_t>(std::int64_t(high) - low) + 1;
    return static_cast<int>(low + static_cast<std::int64_t>(raw % span));
}

QString Input::utf16(int maxUnits)
{
    QString text;
    while (text.size() < maxUnits && m_pos + 1 < m_size) {
        const char16_t unit = static_cast<char16_t>(m_data[m_pos] | m_data[m_pos + 1] << 8);
        m_pos += 2;
        text.append(QChar(unit));
    }
    return text;
}

} // namespace Fuzz
