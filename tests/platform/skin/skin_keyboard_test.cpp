// Skin objects from the keyboard and for assistive technology: stand-ins that
// follow their objects, take the keys of their role and show role, name,
// state and value; access keys; the focus ring.

#include "skin_test_support.h"

#include "platform/skin/skin_surface.h"

#include <QAccessible>
#include <QTest>
#include <map>
#include <tuple>

namespace {

class SkinKeyboardTest : public SkinWindowTest {
protected:
    void SetUp() override
    {
        SkinWindowTest::SetUp();
        // The same skin with an access key on "ok", applied again so its objects carry it.
        ASSERT_TRUE(loadText(QByteArray(kTestSkin).replace("    text OK\n", "    text OK\n    accesskey k\n")));
        ASSERT_TRUE(m_skin.applySkinForm(&m_window, QStringLiteral("main")));
        const SkinAccess objects[] = {{"ok", "Confirm", SkinRole::Button},
                                      {"off", "", SkinRole::Button},
                                      {"label", "Greeting", SkinRole::Label},
                                      {"seek", "Position", SkinRole::Slider},
                                      {"picture", "Pictures", SkinRole::MenuButton}};
        m_skin.present(&m_window, objects);
        m_window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_window));
    }
    QWidget *standIn(const char *name) const { return m_window.findChild<QWidget *>(name); }
    QWidget *focused() const { return m_window.focusWidget(); }

    SkinSignalLog m_log{m_skin};
};

TEST_F(SkinKeyboardTest, StandInsFollowTheirObjectsAndTakeTheKeysOfTheirRole)
{
    // Tab skips the disabled button and the label.
    standIn("ok")->setFocus();
    QTest::keyClick(focused(), Qt::Key_Tab);
    EXPECT_EQ(focused(), standIn("seek"));
    QTest::keyClick(focused(), Qt::Key_Tab);
    EXPECT_EQ(focused(), standIn("picture"));
    QTest::keyClick(focused(), Qt::Key_Return);
    standIn("ok")->setFocus();
    QTest::keyClick(focused(), Qt::Key_Space);
    QTest::keyClick(focused(), Qt::Key_K, Qt::AltModifier);
    EXPECT_EQ(m_log.objectsOf("Click"), (QStringList{"picture", "ok", "ok"}));

    // The ring shows while the stand-in has the focus, around the object.
    const QPoint aboveOk(object("ok")->qrect().center().x(), object("ok")->qrect().top() - 1);
    EXPECT_NE(pixel(aboveOk), kTestBackground);
    standIn("seek")->setFocus();
    EXPECT_EQ(pixel(aboveOk), kTestBackground);

    // A key moves the slider as a click at its new place would.
    QTest::keyClick(focused(), Qt::Key_End);
    QTest::keyClick(focused(), Qt::Key_Left);
    std::vector<qint32> positions;
    for (const SkinReport &report : m_log.of("ScrollTrack"))
        positions.push_back(report.position);
    EXPECT_EQ(positions, (std::vector<qint32>{10000, 9900}));
    EXPECT_EQ(m_log.objectsOf("MouseUp"), (QStringList{"seek", "seek"}));

    object("seek")->setVisible(false);
    object("seek")->redraw();
    object("ok")->setRect({20, 20, 60, 40});
    object("ok")->redraw();
    EXPECT_FALSE(standIn("seek")->isVisible());
    EXPECT_TRUE(standIn("ok")->geometry().contains(object("ok")->qrect()));
    EXPECT_FALSE(standIn("off")->isEnabled());
}

TEST_F(SkinKeyboardTest, AssistiveTechnologySeesRoleNameStateAndValue)
{
    object("seek")->setPosition(2500);
    object("seek")->redraw();
    std::map<QString, QAccessibleInterface *> byName;
    QAccessibleInterface *surface = QAccessible::queryAccessibleInterface(this->surface());
    for (int i = 0; i < surface->childCount(); ++i)
        byName[surface->child(i)->text(QAccessible::Name)] = surface->child(i);

    const std::tuple<const char *, QAccessible::Role, bool, QString> expected[] = {
        {"Confirm", QAccessible::Button, false, "Alt+K"}, {"Off", QAccessible::Button, true, ""},
        {"Hello", QAccessible::StaticText, false, ""},    {"Position", QAccessible::Slider, false, ""},
        {"Pictures", QAccessible::ButtonMenu, false, ""},
    };
    ASSERT_EQ(byName.size(), std::size(expected));
    for (const auto &[name, role, disabled, accelerator] : expected) {
        ASSERT_TRUE(byName.count(name)) << name;
        QAccessibleInterface *item = byName[name];
        EXPECT_EQ(item->role(), role) << name;
        EXPECT_EQ(item->state().disabled, disabled) << name;
        EXPECT_EQ(item->text(QAccessible::Accelerator), accelerator) << name;
    }
    EXPECT_EQ(byName["Hello"]->text(QAccessible::Description), "Greeting");
    EXPECT_TRUE(byName["Pictures"]->state().hasPopup);
    EXPECT_EQ(byName["Position"]->valueInterface()->currentValue(), 2500);
    EXPECT_EQ(byName["Position"]->text(QAccessible::Value), "25%");

    byName["Confirm"]->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(m_log.objectsOf("Click").isEmpty()) << "a press is answered before it acts";
    byName["Position"]->valueInterface()->setCurrentValue(4000);
    QTest::qWait(0);
    EXPECT_EQ(m_log.objectsOf("Click"), QStringList{"ok"});
    EXPECT_EQ(object("seek")->position(), 4000);
}

} // namespace
