// Main of every GUI test program. Chooses the offscreen platform when none is set (so test discovery at
// build time works without a display), the Fusion style and a fixed locale, so results do not depend on
// the machine.
#include <QApplication>
#include <QLocale>
#include <QStyleFactory>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
