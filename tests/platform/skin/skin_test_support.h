#pragma once
// Shared by the skin tests: a skin file written to a temporary folder, a
// window skinned with its form "main", and a log of the engine's signals.

#include "platform/skin/skin.h"

#include <QColor>
#include <QObject>
#include <QPoint>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>
#include <vector>

class SkinSurface;

// Form "main", 400x300 on a plain #102030 background:
//   ok      button  10  10 110  40  fill #20c040, hover #40e060, pressed #108020
//   off     button 120  10 220  40  fill #20c040, disabled
//   label   text    10  50 200  70
//   picture image  300  10 390  90  picture missing.png, fill #2040ff
//   seek    slider 100 100 300 120
//   still   slider 100 130 300 150  disabled
//   level   bar     10 200 390 220  fill #ff2020
//   box     panel   10 240 200 290  fill #808080
//   lid     button  50 250 150 280  on top of box
// and form "other", 200x100, with a text object "label".
extern const char kTestSkin[];
inline const QColor kTestBackground(0x10, 0x20, 0x30);

// A temporary folder for skin files and an engine to load them.
class SkinFileTest : public ::testing::Test {
protected:
    // Writes a file into the temporary folder and returns its path.
    QString writeFile(const QString &name, const QByteArray &contents);
    // Writes text as "test.skn" and loads it.
    bool loadText(const QByteArray &text);

    QTemporaryDir m_dir;
    TSkin m_skin;
};

// m_window attached, skinned with kTestSkin's form "main" and shown.
class SkinWindowTest : public SkinFileTest {
protected:
    void SetUp() override;

    SkinForm *form() const { return m_skin.skinFormOfWindow(const_cast<QWidget *>(&m_window)); }
    SkinObject *object(const QString &name) const { return TSkin::findObject(form(), name); }
    SkinSurface *surface();
    // The colour of one window pixel as a grab of the window shows it.
    QColor pixel(const QPoint &point);

    QWidget m_window;
};

// One report of the engine.
struct SkinReport {
    QString signal; // "Click", "MouseDown", "MouseUp", "MouseMove" or "ScrollTrack"
    QString object;
    QWidget *sender = nullptr;
    QPoint point;        // mouse signals
    qint32 position = 0; // ScrollTrack
};

// Records what the engine reports, in order.
class SkinSignalLog {
public:
    explicit SkinSignalLog(TSkin &skin);

    const std::vector<SkinReport> &all() const { return m_reports; }
    std::vector<SkinReport> of(const QString &signal) const;
    QStringList objectsOf(const QString &signal) const;

private:
    QObject m_context;
    std::vector<SkinReport> m_reports;
};
