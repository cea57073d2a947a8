#include "skin_test_support.h"

#include "platform/skin/skin_surface.h"

#include <QFile>
#include <QTest>
#include <algorithm>
#include <iterator>

const char kTestSkin[] = R"(# Skin used by the engine tests.
form main
    size 400 300
    background #102030

object ok button
    rect 10 10 110 40
    fill #20c040
    hover #40e060
    pressed #108020
    text OK
object off button
    rect 120 10 220 40
    fill #20c040
    text Off
    state off
object label text
    rect 10 50 200 70
    text Hello
object picture image
    rect 300 10 390 90
    picture missing.png
    fill #2040ff
object seek slider
    rect 100 100 300 120
object still slider
    rect 100 130 300 150
    state off
object level bar
    rect 10 200 390 220
    fill #ff2020
object box panel
    rect 10 240 200 290
    fill #808080
object lid button
    rect 50 250 150 280
    text Lid

form other
    size 200 100
object label text
    rect 0 0 200 100
    text Other
)";

QString SkinFileTest::writeFile(const QString &name, const QByteArray &contents)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(contents);
    return path;
}

bool SkinFileTest::loadText(const QByteArray &text)
{
    const bool loaded = m_skin.loadSkin(writeFile(QStringLiteral("test.skn"), text));
    EXPECT_TRUE(loaded) << m_skin.errorText().toStdString();
    return loaded;
}

void SkinWindowTest::SetUp()
{
    ASSERT_TRUE(loadText(kTestSkin));
    m_skin.attach(&m_window);
    ASSERT_TRUE(m_skin.applySkinForm(&m_window, QStringLiteral("main")));
    m_window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
}

SkinSurface *SkinWindowTest::surface()
{
    return m_window.findChild<SkinSurface *>();
}

QColor SkinWindowTest::pixel(const QPoint &point)
{
    return m_window.grab().toImage().pixelColor(point);
}

SkinSignalLog::SkinSignalLog(TSkin &skin)
{
    const auto record = [this](const char *signal, QWidget *sender, SkinObject *source, QPoint point, qint32 position) {
        m_reports.push_back({QLatin1String(signal), source->name(), sender, point, position});
    };
    QObject::connect(&skin, &TSkin::Click, &m_context,
                     [=](QWidget *sender, SkinObject *source) { record("Click", sender, source, {}, 0); });
    QObject::connect(&skin, &TSkin::MouseDown, &m_context,
                     [=](QWidget *sender, SkinObject *source, Qt::MouseButton, int x, int y) {
                         record("MouseDown", sender, source, {x, y}, 0);
                     });
    QObject::connect(&skin, &TSkin::MouseUp, &m_context,
                     [=](QWidget *sender, SkinObject *source, Qt::MouseButton, int x, int y) {
                         record("MouseUp", sender, source, {x, y}, 0);
                     });
    QObject::connect(&skin, &TSkin::MouseMove, &m_context, [=](QWidget *sender, SkinObject *source, int x, int y) {
        record("MouseMove", sender, source, {x, y}, 0);
    });
    QObject::connect(&skin, &TSkin::ScrollTrack, &m_context, [=](QWidget *sender, SkinObject *source, qint32 position) {
        record("ScrollTrack", sender, source, {}, position);
    });
}

std::vector<SkinReport> SkinSignalLog::of(const QString &signal) const
{
    std::vector<SkinReport> reports;
    std::copy_if(m_reports.begin(), m_reports.end(), std::back_inserter(reports),
                 [&](const SkinReport &report) { return report.signal == signal; });
    return reports;
}

QStringList SkinSignalLog::objectsOf(const QString &signal) const
{
    QStringList names;
    for (const SkinReport &report : of(signal))
        names << report.object;
    return names;
}
