#include "profiles/profile_picker.h"

#include "platform/picture/picture_file.h"
#include "profiles/catalogue.h"
#include "profiles/profile_button.h"

#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>

namespace {

const QString kFirstAudioPage = QStringLiteral("pl_audio1");
const QString kSecondAudioPage = QStringLiteral("pl_audio2");
const QColor kPageColour(0x1b, 0x22, 0x30);
const QColor kPageBorder(0x2b, 0x35, 0x48);

// A fixed picture of the window design that acts on a click.
class PageSwitch : public QLabel {
public:
    PageSwitch(QWidget *parent, std::function<void()> onClick)
        : QLabel(parent), m_onClick(std::move(onClick))
    {
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            m_onClick();
    }

private:
    std::function<void()> m_onClick;
};

void makeFlat(QFrame *page)
{
    page->setFrameStyle(QFrame::Box | QFrame::Plain);
    page->setLineWidth(1);
}

} // namespace

ProfilePicker::ProfilePicker(QWidget *window, QString executableFolder, Hooks hooks)
    : QObject(window), m_folder(std::move(executableFolder)), m_hooks(std::move(hooks))
{
    for (const ProfileGroup &group : profileGroups())
        m_panels.push_back(buildPanel(window, group.panel.toString(), group.firstId, group.lastId));
    m_page1 = panel(kFirstAudioPage);
    m_page2 = panel(kSecondAudioPage);
    const int strip = kPickerPageHeight - kPickerStripHeight - 1;
    addPageSwitch(m_page1, strip, {QStringLiteral("strip1"), QStringLiteral("next"), QStringLiteral("Image2")},
                  &ProfilePicker::Image2Click);
    addPageSwitch(m_page2, strip, {QStringLiteral("strip2"), QStringLiteral("back"), QStringLiteral("Image5")},
                  &ProfilePicker::Image5Click);
}

QFrame *ProfilePicker::buildPanel(QWidget *window, const QString &name, int firstId, int lastId)
{
    auto *page = new QFrame(window);
    page->setObjectName(name);
    page->resize(kPickerPageWidth, kPickerPageHeight);
    makeFlat(page);
    QPalette colours = page->palette();
    colours.setColor(QPalette::Window, kPageColour);
    colours.setColor(QPalette::WindowText, kPageBorder);
    page->setPalette(colours);
    page->setAutoFillBackground(true);
    page->hide();

    for (int id = firstId; id <= lastId; ++id) {
        const int index = id - firstId;
        auto *button = new ProfileButton(id, page);
        // The blank area at the foot of a page has no profile: it shows its
        // picture and otherwise does nothing.
        const bool blank = !displayName(id).has_value();
        button->setGeometry(0, profileButtonTop(index), kPickerPageWidth,
                            blank ? blankAreaHeight(index) : profileButtonHeight(index));
        if (!blank) {
            connect(button, &ProfileButton::pointed, this, [this](int pointed) { m_hooks.guard([=, this] { pointAt(pointed); }); });
            connect(button, &ProfileButton::clicked, this, [this](int clicked) { m_hooks.guard([=, this] { clickButton(clicked); }); });
        }
        m_buttons[id] = button;
    }
    return page;
}

void ProfilePicker::addPageSwitch(QFrame *page, int strip, const PageStrip &look, void (ProfilePicker::*onClick)())
{
    const QString pictures = QDir(m_folder).filePath(QStringLiteral("images/sub/"));
    auto *stripPicture = new QLabel(page);
    stripPicture->setGeometry(0, strip, kPickerStripWidth, kPickerStripHeight);
    stripPicture->setPixmap(QPixmap(pictures + look.stripPicture + ".bmp"));
    auto *pageSwitch = new PageSwitch(page, [this, onClick] { m_hooks.guard([this, onClick] { (this->*onClick)(); }); });
    pageSwitch->setObjectName(look.switchName);
    pageSwitch->setGeometry(kPickerStripWidth - 1, strip, kPickerSwitchWidth, kPickerStripHeight);
    pageSwitch->setPixmap(QPixmap(pictures + look.switchPicture + ".bmp"));
}

QFrame *ProfilePicker::panel(const QString &name) const
{
    for (QFrame *page : m_panels)
        if (page->objectName() == name)
            return page;
    return nullptr;
}

ProfileButton *ProfilePicker::button(int id) const
{
    const auto it = m_buttons.find(id);
    return it == m_buttons.end() ? nullptr : it->second;
}

bool ProfilePicker::isProfileButton(int id) const
{
    return id >= kFirstProfileId && id <= kLastProfileId;
}

void ProfilePicker::showPicture(int id, const QString &folder)
{
    const QString path = QDir(m_folder).filePath(QStringLiteral("images/sub/%1/%2.bmp").arg(folder).arg(id));
    m_buttons.at(id)->setPixmap(loadPictureFile(path));
}

void ProfilePicker::loadButtonPictures()
{
    for (int id = kFirstProfileId; id <= kLastProfileId; ++id)
        showPicture(id, QStringLiteral("general"));
}

void ProfilePicker::preparePage(QFrame *page, int left)
{
    page->move(left, page->y());
    makeFlat(page);
    int index = 0;
    for (QObject *child : page->children())
        if (auto *profile = qobject_cast<ProfileButton *>(child))
            profile->move(profile->x(), profileButtonTop(index++));
}

void ProfilePicker::openPicker()
{
    if (m_hooks.converting()) {
        m_hooks.warnBusy();
        return;
    }
    preparePage(m_page1, firstPageLeft(m_edition));
    hidePicker();
    m_page1->show();
    m_page1->raise();
    m_page2->hide();
}

void ProfilePicker::hidePicker()
{
    for (QFrame *page : m_panels)
        page->hide();
}

void ProfilePicker::pointAt(int id)
{
    const int current = m_hooks.currentProfileId();
    if (current == id)
        return;
    if (isProfileButton(current))
        showPicture(current, QStringLiteral("general"));
    showPicture(id, QStringLiteral("move"));
    m_hooks.setCurrentProfileId(id);
}

void ProfilePicker::clickButton(int id)
{
    hidePicker();
    m_hooks.select(id);
}

void ProfilePicker::Image2Click()
{
    preparePage(m_page2, kSecondPageLeft);
    hidePicker();
    m_page2->show();
    m_page2->raise();
    m_page1->hide();
}

void ProfilePicker::Image5Click()
{
    const std::optional<int> left = firstPageLeftAfterReturn(m_edition);
    if (!left) {
        m_page1->show();
        m_page1->raise();
        m_page2->hide();
        m_hooks.rememberFirstAudioPage();
        return;
    }
    preparePage(m_page1, *left);
    hidePicker();
    m_page1->show();
    m_page1->raise();
    m_page2->hide();
}
