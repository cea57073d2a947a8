// The real player embedded in a native panel of a real X window: on a display
// that this test starts itself (Xvfb; with --session=wayland a Wayland
// session, where the window runs through XWayland), a clip whose picture has
// four coloured quarters is played through the playback control, its
// position moves on, and the window as the X server holds it must show those
// quarters inside the panel, and nothing of them outside it. (A Qt grab of
// the panel is always black: the player draws into the panel's X window.)
// With --session=wayland-only, without XWayland, the preview says what it needs.

#include "app/display_check.h"
#include "platform/preview/mpv_preview_engine.h"
#include "preview/preview_playback.h"

#include "media_fixtures.h"
#include "recording_preview_host.h"
#include "virtual_display.h"

#include <QApplication>
#include <QFrame>
#include <QTest>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>

using namespace veltrix::test;

namespace {

VirtualDisplay *g_display = nullptr;
Session g_session = Session::X11;

bool near(QRgb actual, QColor expected)
{
    const int tolerance = 48;
    return std::abs(qRed(actual) - expected.red()) <= tolerance
           && std::abs(qGreen(actual) - expected.green()) <= tolerance
           && std::abs(qBlue(actual) - expected.blue()) <= tolerance;
}

QString describe(QRgb pixel)
{
    return QStringLiteral("(%1, %2, %3)").arg(qRed(pixel)).arg(qGreen(pixel)).arg(qBlue(pixel));
}

TEST(PreviewOnScreen, TheClipAppearsInsideThePanel)
{
    if (g_session != Session::X11 && !g_display->started())
        GTEST_SKIP() << "weston cannot run here: " << g_display->log();
    ASSERT_EQ(QGuiApplication::platformName().toStdString(), g_session == Session::WaylandWithoutX ? "wayland" : "xcb");
    TempDir dir;
    // 320x240: red, green / blue, white quarters.
    generateMedia("-f lavfi -i color=c=red:s=160x120:d=8 -f lavfi -i color=c=lime:s=160x120:d=8 "
                  "-f lavfi -i color=c=blue:s=160x120:d=8 -f lavfi -i color=c=white:s=160x120:d=8 "
                  "-filter_complex xstack=inputs=4:layout=0_0|w0_0|0_h0|w0_h0 -c:v libx264 -pix_fmt yuv420p",
                  dir.file("quarters.mp4"));

    QWidget window;
    window.setStyleSheet(QStringLiteral("background: #303030"));
    window.setGeometry(0, 0, 480, 360);
    auto *panel = new QFrame(&window);
    panel->setGeometry(100, 60, 320, 240);
    panel->setStyleSheet(QStringLiteral("background: black"));
    panel->hide();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    MpvPreviewEngine engine{MpvPreviewSettings{}};
    RecordingHost host;
    host.rows = {PreviewRow{PreviewSource{QString::fromStdString(dir.file("quarters.mp4")), {}}, 8, 8}};
    PreviewDisplay display;
    display.panel = panel;
    PreviewPlayback playback(engine, host, display, host.busy);
    host.playback = &playback;
    host.selectRow(0);
    playback.playSelectedRow();
    if (g_session == Session::WaylandWithoutX) {
        EXPECT_FALSE(playback.previewing() || panel->testAttribute(Qt::WA_NativeWindow));
        EXPECT_TRUE(host.errors.join(' ').contains("needs X11 or XWayland")) << host.errors.join(' ').toStdString();
        return;
    }
    ASSERT_TRUE(playback.previewing()) << host.errors.join(' ').toStdString();

    const QPoint origin = panel->mapTo(&window, QPoint(0, 0));
    const struct {
        QPoint at;
        QColor colour;
    } quarters[] = {
        {{80, 60}, Qt::red}, {{240, 60}, QColor(0, 255, 0)}, {{80, 180}, Qt::blue}, {{240, 180}, Qt::white}};
    QImage screen;
    const auto pictureShown = [&] {
        screen = g_display->screenshot(window.winId());
        for (const auto &quarter : quarters)
            if (screen.isNull() || !near(screen.pixel(origin + quarter.at), quarter.colour))
                return false;
        return true;
    };
    const bool shown = QTest::qWaitFor(pictureShown, 15000);
    ASSERT_FALSE(screen.isNull()) << "no screenshot of " << g_display->name().toStdString();
    for (const auto &quarter : quarters)
        EXPECT_TRUE(near(screen.pixel(origin + quarter.at), quarter.colour))
            << "at " << quarter.at.x() << "," << quarter.at.y()
            << " of the panel: " << describe(screen.pixel(origin + quarter.at)).toStdString();
    ASSERT_TRUE(shown);
    // The picture stays inside the panel.
    for (const QPoint outside : {QPoint(50, 180), QPoint(450, 180), QPoint(260, 30), QPoint(260, 330)})
        EXPECT_TRUE(near(screen.pixel(outside), QColor(0x30, 0x30, 0x30)))
            << "at " << outside.x() << "," << outside.y()
            << " of the window: " << describe(screen.pixel(outside)).toStdString();
    const double shownAt = engine.position().value_or(-1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return engine.position().value_or(-1) > shownAt + 0.3; }, 3000))
        << "the position stays at " << shownAt;

    playback.stopPreview();
    EXPECT_TRUE(panel->isHidden());
    EXPECT_FALSE(playback.previewing());
}

} // namespace

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    const std::string session = argc > 1 ? argv[1] : "";
    g_session = session == "--session=wayland"        ? Session::Wayland
                : session == "--session=wayland-only" ? Session::WaylandWithoutX
                                                      : Session::X11;
    VirtualDisplay display(640, 480, g_session);
    if (!display.started() && g_session == Session::X11) {
        std::fprintf(stderr, "Xvfb did not start (install it with scripts/install-deps.sh): %s\n",
                     display.log().c_str());
        return 1;
    }
    g_display = &display;
    // The platform is the program's own choice, as its start makes it;
    // without a session, the test only says why it skips.
    qputenv("QT_QPA_PLATFORM", display.started() ? "" : "offscreen");
    qputenv("XDG_SESSION_TYPE", g_session == Session::X11 ? "x11" : "wayland");
    if (const QByteArray platform = previewablePlatform(); !platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
    qunsetenv("VELTRIX_PREVIEW_OUTPUT");
    int appArgc = 1;
    char appName[] = "preview-on-screen-test";
    char *appArgv[] = {appName, nullptr};
    QApplication application(appArgc, appArgv);
    return RUN_ALL_TESTS();
}
