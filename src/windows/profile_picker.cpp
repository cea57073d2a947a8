#include "windows/profile_picker.h"

#include "platform/picture/picture_file.h"
#include "profiles/active_profile.h"
#include "profiles/catalogue.h"
#include "ui_look/palette.h"
#include "ui_text/command_guard.h"
#include "windows/profile_button.h"

#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QScopedValueRollback>
#include <algorithm>

namespace {

const QString kFirstAudioPage = QStringLiteral("pl_audio1");
const QString kSecondAudioPage = QStringLiteral("pl_audio2");
const QString kNormal = QStringLiteral("general");
const QString kPointedAt = QStringLiteral("move");
const QString kBorder = QStringLiteral("border");

// A fixed picture of the window design that acts on a click.
class PageSwitch : public ActingPicture {
public:
    PageSwitch(QWidget *parent, std::function<void()> onClick) : ActingPicture(parent), m_onClick(std::move(onClick))
    {
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void press() override { m_onClick(); }

private:
    std::function<void()> m_onClick;
};

// What the arrow keys move through on a page, in reading order.
QList<ActingPicture *> focusOrder(QWidget *page)
{
    QList<ActingPicture *> order;
    for (ActingPicture *picture : page->findChildren<ActingPicture *>(Qt::FindDirectChildrenOnly))
        if (picture->focusPolicy() != Qt::NoFocus && picture->isVisibleTo(page))
            order.append(picture);
    std::sort(order.begin(), order.end(),
              [](const QWidget *a, const QWidget *b) { return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x()); });
    return order;
}

void makeFlat(QFrame *page)
{
    page->setFrameStyle(QFrame::Box | QFrame::Plain);
    page->setLineWidth(1);
}

// The page's border drawn once more above its buttons, which cover the
// page's own, so the page stands out from the list beneath it.
void addBorder(QFrame *page)
{
    auto *border = new QFrame(page);
    border->setObjectName(kBorder);
    makeFlat(border);
    border->setGeometry(page->rect());
    border->setAttribute(Qt::WA_TransparentForMouseEvents);
}

QFrame *makePage(QWidget *window, const QString &name, int width)
{
    auto *page = new QFrame(window);
    page->setObjectName(name);
    page->resize(width, kPickerPageHeight);
    makeFlat(page);
    QPalette colours = page->palette();
    colours.setColor(QPalette::Window, palette::picker);
    colours.setColor(QPalette::WindowText, palette::controlBorder);
    page->setPalette(colours);
    page->setAutoFillBackground(true);
    addBorder(page);
    page->hide();
    return page;
}

// Shows a page above the window's other controls, its border above its own.
void bringUp(QFrame *page)
{
    page->show();
    page->raise();
    if (auto *border = page->findChild<QFrame *>(kBorder, Qt::FindDirectChildrenOnly))
        border->raise();
}

bool isAudioGroup(const QString &panelName)
{
    return panelName == kFirstAudioPage || panelName == kSecondAudioPage;
}

} // namespace

ProfilePicker::ProfilePicker(QWidget *window, QString dataFolder, ActiveProfile &profile, Prompts &prompts)
    : QObject(window),
      m_window(window),
      m_pictureFolder(QDir(dataFolder).filePath(QStringLiteral("images/sub/"))),
      m_profile(profile),
      m_prompts(prompts)
{
    connect(&m_profile, &ActiveProfile::changed, this, &ProfilePicker::showChosen);
    // Like a pop-up, the picker goes when the keyboard focus leaves it.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *old, QWidget *now) {
        if (!m_turning && old && now && holds(old) && !holds(now))
            hidePicker();
    });
}

bool ProfilePicker::holds(const QWidget *widget) const
{
    const auto pageHolds = [widget](const QFrame *page) { return page && page->isAncestorOf(widget); };
    return std::any_of(m_panels.begin(), m_panels.end(), pageHolds) || pageHolds(m_categoryList);
}

void ProfilePicker::watchKeys(QFrame *page)
{
    page->installEventFilter(this);
}

// Keys that a focused picture of a page does not take: Esc closes the picker
// (before the window's own Esc), Up and Down go through the page, Left and
// Right to the neighbouring page or between the category list and its group.
bool ProfilePicker::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (event->type() == QEvent::ShortcutOverride) {
        if (key->key() == Qt::Key_Escape)
            event->accept();
        return false;
    }
    bool taken = false;
    runGuarded(m_prompts, [&] { taken = pageKey(static_cast<QFrame *>(watched), key->key()); });
    return taken;
}

bool ProfilePicker::pageKey(QFrame *page, int key)
{
    switch (key) {
    case Qt::Key_Escape:
        hidePicker();
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const QList<ActingPicture *> order = focusOrder(page);
        const qsizetype at = order.indexOf(qobject_cast<ActingPicture *>(QApplication::focusWidget()));
        const qsizetype next = std::clamp<qsizetype>(at + (key == Qt::Key_Down ? 1 : -1), 0, order.size() - 1);
        if (!order.isEmpty())
            order[next]->setFocus(Qt::TabFocusReason);
        return true;
    }
    case Qt::Key_Left:
    case Qt::Key_Right:
        return pageSideways(page, key == Qt::Key_Right);
    default:
        return false;
    }
}

bool ProfilePicker::pageSideways(QFrame *page, bool right)
{
    if (page == m_page1 && right)
        Image2Click();
    else if (page == m_page2 && !right)
        Image5Click();
    else if (page == m_categoryList && right)
        focusPage(shownGroup());
    else if (page != m_categoryList && !right && m_categories.count(page->objectName()))
        m_categories.at(page->objectName())->setFocus(Qt::TabFocusReason);
    else
        return false;
    return true;
}

QFrame *ProfilePicker::shownGroup() const
{
    for (QFrame *page : m_panels)
        if (page->isVisible())
            return page;
    return nullptr;
}

// The button of the profile pointed at when the page has it, else the page's first.
void ProfilePicker::focusPage(QFrame *page)
{
    if (!page)
        return;
    ProfileButton *current = button(m_profile.currentProfileId());
    const QList<ActingPicture *> order = focusOrder(page);
    if (current && order.contains(current))
        current->setFocus(Qt::TabFocusReason);
    else if (!order.isEmpty())
        order.first()->setFocus(Qt::TabFocusReason);
}

void ProfilePicker::setPanelsTopLeft(const QPoint &topLeft)
{
    m_topLeft = topLeft;
    for (QFrame *page : m_panels)
        page->move(topLeft);
    if (m_categoryList)
        m_categoryList->move(m_categoryList->x(), topLeft.y());
}

void ProfilePicker::buildPanels()
{
    if (!m_panels.empty())
        return;
    for (const ProfileGroup &group : profileGroups())
        m_panels.push_back(buildPanel(group.panel.toString(), group.firstId, group.lastId));
    m_page1 = panel(kFirstAudioPage);
    m_page2 = panel(kSecondAudioPage);
    const int strip = kPickerPageHeight - kPickerStripHeight - 1;
    const auto addStrip = [&](QFrame *page, const QString &picture) {
        auto *stripPicture = new QLabel(page);
        stripPicture->setGeometry(0, strip, kPickerStripWidth, kPickerStripHeight);
        stripPicture->setPixmap(subPixmap(picture));
    };
    addStrip(m_page1, QStringLiteral("strip1"));
    addStrip(m_page2, QStringLiteral("strip2"));
    addPageSwitch(m_page1, {"next", "Image2", "More"}, kPickerStripWidth - 1, kPickerSwitchWidth,
                  &ProfilePicker::Image2Click);
    addPageSwitch(m_page2, {"back", "Image5", "Back"}, kPickerStripWidth - 1, kPickerSwitchWidth,
                  &ProfilePicker::Image5Click);
    for (QFrame *page : {m_page1, m_page2})
        addPageSwitch(page, {"all", "im_allformats", "All formats"}, kAllFormatsSwitchLeft, kAllFormatsSwitchWidth,
                      &ProfilePicker::showAllFormats);
    buildCategoryList();
    showChosen();
}

QFrame *ProfilePicker::buildPanel(const QString &name, int firstId, int lastId)
{
    QFrame *page = makePage(m_window, name, kPickerPageWidth);
    watchKeys(page);
    page->move(m_topLeft);
    for (int id = firstId; id <= lastId; ++id) {
        const int index = id - firstId;
        auto *button = new ProfileButton(id, page);
        // The blank area at the foot of a page has no profile: it shows its
        // picture and otherwise does nothing.
        const bool blank = !displayName(id).has_value();
        button->setGeometry(0, profileButtonTop(index), kPickerPageWidth,
                            blank ? blankAreaHeight(index) : profileButtonHeight(index));
        if (blank) {
            button->setFocusPolicy(Qt::NoFocus);
        } else {
            button->setAccessibleName(*displayName(id));
            connect(button, &ProfileButton::pointed, this,
                    [this](int pointed) { runGuarded(m_prompts, [=, this] { pointAt(pointed); }); });
            connect(button, &ProfileButton::clicked, this,
                    [this](int clicked) { runGuarded(m_prompts, [=, this] { clickButton(clicked); }); });
        }
        button->setPicture(picturePath(id, kNormal));
        m_buttons[id] = button;
    }
    return page;
}

// The list: a title, then one entry per group the edition offers; the two
// audio pages share the entry "Audio".
void ProfilePicker::buildCategoryList()
{
    m_categoryList = makePage(m_window, QStringLiteral("pl_main"), kCategoryListWidth);
    watchKeys(m_categoryList);
    m_categoryList->move(m_categoryList->x(), m_topLeft.y());
    auto *title = new QLabel(m_categoryList);
    title->setGeometry(0, 0, kCategoryListWidth, kCategoryTitleHeight);
    title->setPixmap(subPixmap(QStringLiteral("category/title")));
    int row = 0;
    for (const ProfileGroup &group : profileGroups()) {
        const QString name = group.panel.toString();
        if (name == kSecondAudioPage || !offersGroup(m_edition, name))
            continue;
        auto *entry =
            new PageSwitch(m_categoryList, [this, name] { runGuarded(m_prompts, [this, name] { showGroup(name); }); });
        entry->setObjectName(QStringLiteral("im_") + name);
        entry->setAccessibleName(group.caption.toString());
        entry->setGeometry(0, categoryRowTop(row++), kCategoryListWidth, kCategoryRowHeight);
        entry->setPixmap(subPixmap(QStringLiteral("category/") + name));
        m_categories[name] = entry;
    }
}

void ProfilePicker::addPageSwitch(QFrame *page, const SwitchDesign &design, int left, int width, Command onClick)
{
    auto *pageSwitch =
        new PageSwitch(page, [this, onClick] { runGuarded(m_prompts, [this, onClick] { (this->*onClick)(); }); });
    pageSwitch->setObjectName(QString::fromLatin1(design.name));
    pageSwitch->setAccessibleName(QString::fromLatin1(design.caption));
    pageSwitch->setGeometry(left, kPickerPageHeight - kPickerStripHeight - 1, width, kPickerStripHeight);
    pageSwitch->setPixmap(subPixmap(QString::fromLatin1(design.picture)));
}

void ProfilePicker::showChosen()
{
    for (const auto &[id, shown] : m_buttons)
        if (isProfileButton(id) && displayName(id))
            shown->setChosen(id == m_profile.loadedProfileId());
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

QString ProfilePicker::picturePath(int id, const QString &folder) const
{
    return subPicture(folder + u'/' + QString::number(id));
}

QPixmap ProfilePicker::subPixmap(const QString &name) const
{
    return QPixmap::fromImage(readPicture(subPicture(name)));
}

QString ProfilePicker::subPicture(const QString &name) const
{
    return m_pictureFolder + name + QStringLiteral(".bmp");
}

void ProfilePicker::showPicture(int id, const QString &folder)
{
    if (ProfileButton *shown = button(id))
        shown->setPicture(picturePath(id, folder));
}

// One listing of the folder tells which normal pictures are there; only a
// missing one is opened, so that its report gives the system's reason.
void ProfilePicker::loadButtonPictures()
{
    const QSet<QString> present = namesInFolder(m_pictureFolder + kNormal);
    for (int id = kFirstProfileId; id <= kLastProfileId; ++id)
        if (!present.contains(QString::number(id) + QStringLiteral(".bmp")))
            checkPictureFile(picturePath(id, kNormal));
    for (const auto &[id, shown] : m_buttons)
        shown->setPicture(picturePath(id, kNormal));
}

void ProfilePicker::showPictures(QFrame *page)
{
    for (QObject *child : page->children())
        if (auto *profile = qobject_cast<ProfileButton *>(child))
            profile->showPendingPicture();
}

void ProfilePicker::turnTo(QFrame *page, int left)
{
    const QScopedValueRollback turning(m_turning, true);
    hidePages();
    page->move(left, page->y());
    makeFlat(page);
    int index = 0;
    for (QObject *child : page->children())
        if (auto *profile = qobject_cast<ProfileButton *>(child))
            profile->move(profile->x(), profileButtonTop(index++));
    bringUp(page);
    showPictures(page);
    focusPage(page);
}

void ProfilePicker::openPicker()
{
    buildPanels();
    if (QWidget *focus = QApplication::focusWidget(); !holds(focus))
        m_returnFocus = focus;
    // The picker opens where the loaded profile is: its audio page, or its
    // group of "All formats".
    const std::optional<ProfileGroup> loaded = groupOf(m_profile.loadedProfileId());
    const QString group = loaded ? loaded->panel.toString() : kFirstAudioPage;
    if (group == kSecondAudioPage)
        Image2Click();
    else if (!isAudioGroup(group) && offersGroup(m_edition, group))
        showGroup(group);
    else
        turnTo(m_page1, firstPageLeft(m_edition));
}

// The keyboard focus goes back to where it was before the picker opened.
void ProfilePicker::hidePicker()
{
    if (holds(QApplication::focusWidget()) && m_returnFocus)
        m_returnFocus->setFocus(Qt::OtherFocusReason);
    hidePages();
}

void ProfilePicker::hidePages()
{
    for (QFrame *page : m_panels)
        page->hide();
    if (m_categoryList)
        m_categoryList->hide();
}

void ProfilePicker::pointAt(int id)
{
    const int current = m_profile.currentProfileId();
    if (current == id)
        return;
    if (isProfileButton(current))
        showPicture(current, kNormal);
    showPicture(id, kPointedAt);
    m_profile.setCurrentProfileId(id);
}

void ProfilePicker::clickButton(int id)
{
    hidePicker();
    m_profile.select(id);
}

void ProfilePicker::Image2Click()
{
    turnTo(m_page2, kSecondPageLeft);
}

void ProfilePicker::Image5Click()
{
    const std::optional<int> left = firstPageLeftAfterReturn(m_edition);
    // Without a new place, page 1 comes back where it was.
    if (!left)
        emit firstAudioPageChosen();
    turnTo(m_page1, left.value_or(m_page1->x()));
}

void ProfilePicker::showAllFormats()
{
    const std::optional<ProfileGroup> current = groupOf(m_profile.currentProfileId());
    if (current && !isAudioGroup(current->panel.toString()) && offersGroup(m_edition, current->panel)) {
        showGroup(current->panel.toString());
        return;
    }
    // The first other group the edition offers.
    for (const ProfileGroup &group : profileGroups())
        if (!isAudioGroup(group.panel.toString()) && offersGroup(m_edition, group.panel)) {
            showGroup(group.panel.toString());
            return;
        }
}

void ProfilePicker::showGroup(const QString &panelName)
{
    if (isAudioGroup(panelName)) {
        turnTo(m_page1, firstPageLeft(m_edition));
        return;
    }
    for (const auto &[name, entry] : m_categories) {
        entry->setPixmap(subPixmap(QStringLiteral("category/") + name + (name == panelName ? "_on" : "")));
        entry->setChosen(name == panelName);
    }
    const int listLeft = firstPageLeft(m_edition);
    const QScopedValueRollback turning(m_turning, true);
    turnTo(panel(panelName), listLeft + kCategoryListWidth - 1);
    m_categoryList->move(listLeft, m_categoryList->y());
    bringUp(m_categoryList);
}
