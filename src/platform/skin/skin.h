#pragma once
// Our skin engine: loads a skin file (a text format of our own, described in
// skin_file_parser.h and data/skin-format.md), paints named skin forms onto
// windows and reports user gestures on named skin objects.

#include <QColor>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>
#include <map>
#include <memory>
#include <span>
#include <vector>

class SkinForm;
class SkinObject;
class SkinSurface;
struct SkinAccess;

// Text facet of a skin object: the wide text it shows.
class ISkinText {
public:
    virtual ~ISkinText() = default;
    virtual QString text() const = 0;
    virtual void setText(const QString &text) = 0;
};

// Common facet: rectangle in window pixels (left, top, right, bottom), the
// enabled state and a redraw request.
struct SkinRect {
    qint32 left = 0, top = 0, right = 0, bottom = 0;
    friend bool operator==(const SkinRect &, const SkinRect &) = default;
};

class ISkinCommon {
public:
    virtual ~ISkinCommon() = default;
    virtual SkinRect rect() const = 0;
    virtual void setRect(const SkinRect &r) = 0;
    virtual bool state() const = 0;
    virtual void setState(bool enabled) = 0;
    virtual void redraw() = 0;
};

// Slider facet: position from 0 to 10000.
class ISkinSlider {
public:
    virtual ~ISkinSlider() = default;
    virtual qint32 position() const = 0;
    virtual void setPosition(qint32 position) = 0;
};

// Kinds of skin objects a skin file may declare.
enum class SkinKind { Panel, Image, Button, Text, Bar, Slider };

// One named object of a skin form. Facets are absent (nullptr) where the kind
// has none: only Text and Button objects carry text, only Slider a position.
class SkinObject : public ISkinText, public ISkinCommon, public ISkinSlider {
public:
    QString name() const { return m_name; }
    SkinKind kind() const { return m_kind; }

    ISkinText *textFacet();
    ISkinCommon *commonFacet() { return this; }
    ISkinSlider *sliderFacet();

    QString text() const override { return m_text; }
    void setText(const QString &text) override { m_text = text; }
    SkinRect rect() const override { return m_rect; }
    void setRect(const SkinRect &r) override { m_rect = r; }
    bool state() const override { return m_enabled; }
    void setState(bool enabled) override { m_enabled = enabled; }
    void redraw() override;
    qint32 position() const override { return m_position; }
    void setPosition(qint32 position) override;

    // Where the object lies in its window: its rect, moved or stretched by
    // its anchors when the window is larger than its form's size.
    QRect qrect() const;

    // Whether the object is drawn and meets the pointer; the skin file sets
    // it first. Like the common facet's setters, a change shows after redraw().
    bool visible() const { return m_visible; }
    void setVisible(bool visible) { m_visible = visible; }
    // The letter that, with Alt, clicks the object; underlined in its text.
    // Null when the skin gives it none.
    QChar accessKey() const { return m_accessKey; }

private:
    friend class SkinForm;
    friend class SkinSurface;
    friend class SkinPainter;
    friend class SkinFileParser;
    QString m_name;
    SkinKind m_kind = SkinKind::Panel;
    SkinRect m_rect;
    SkinRect m_frame; // the rect as the skin file declares it, which stretching scales
    Qt::Edges m_anchors = Qt::LeftEdge | Qt::TopEdge;
    bool m_enabled = true;
    bool m_visible = true;
    QString m_text;
    qint32 m_position = 0;
    QChar m_accessKey;
    // Look, as declared in the skin file.
    QColor m_color, m_color2, m_hoverColor, m_pressColor, m_borderColor;
    QColor m_textColor = Qt::black, m_thumbColor = Qt::white;
    QString m_picture, m_hoverPicture;
    QString m_fontFamily;
    int m_fontSize = 9;
    bool m_bold = false;
    int m_radius = 0;
    Qt::Alignment m_align = Qt::AlignLeft | Qt::AlignVCenter;
    SkinForm *m_form = nullptr;
    // What the surface last painted of this object, so a redraw after the rect
    // shrank or moved also clears the old area.
    QRect m_paintedRect;
};

// A named form of the skin file: a background and an ordered list of objects.
class SkinForm {
public:
    QString name() const { return m_name; }
    SkinObject *findObject(const QString &name) const;
    const std::vector<std::unique_ptr<SkinObject>> &objects() const { return m_objects; }
    QWidget *window() const { return m_window; }

private:
    friend class TSkin;
    friend class SkinSurface;
    friend class SkinObject;
    friend class SkinPainter;
    friend class SkinFileParser;
    // An independent copy for one window: same look, own object state.
    std::unique_ptr<SkinForm> clone() const;

    QString m_name;
    QSize m_size; // as designed, and the least the window may have
    QColor m_background = QColor(0x20, 0x20, 0x20), m_background2;
    QString m_backgroundPicture;
    QColor m_focusColor = QColor(0x4f, 0x8c, 0xff);
    std::vector<std::unique_ptr<SkinObject>> m_objects;
    QPointer<QWidget> m_window;
    QPointer<SkinSurface> m_surface;
};

// The engine. One instance skins every window of the program.
class TSkin : public QObject {
    Q_OBJECT
public:
    explicit TSkin(QObject *parent = nullptr);
    ~TSkin() override;

    // Reads a skin file; false (with errorText()) when it is missing or malformed.
    bool loadSkin(const QString &path);
    QString errorText() const { return m_error; }

    // The window is drawn by the engine from now on, through a child widget
    // covering it beneath the window's own controls.
    void attach(QWidget *window);
    // The window gets its own copy of the named form's objects and the form's
    // size; false when the form is unknown.
    bool applySkinForm(QWidget *window, const QString &formName);
    SkinForm *skinFormOfWindow(QWidget *window) const;
    static SkinObject *findObject(SkinForm *form, const QString &name);
    // Presents the named objects of the window's form to the keyboard and to
    // assistive technology (SkinSurface::present); needs an attached window.
    void present(QWidget *window, std::span<const SkinAccess> objects);

    // Gestures on a window's objects; sender is the window, x and y are window
    // pixels and source is the topmost visible object under the pointer.
signals:
    // Left button pressed and released on one enabled button, image or text.
    void Click(QWidget *sender, SkinObject *source);
    // MouseUp reports the object that was under the pointer at the press.
    void MouseDown(QWidget *sender, SkinObject *source, Qt::MouseButton button, int x, int y);
    void MouseUp(QWidget *sender, SkinObject *source, Qt::MouseButton button, int x, int y);
    // Only while the pointer is over an object.
    void MouseMove(QWidget *sender, SkinObject *source, int x, int y);
    // An enabled slider pressed or dragged with the left button: its new position.
    void ScrollTrack(QWidget *sender, SkinObject *source, qint32 position);

private:
    void watch(QWidget *window);
    void forgetWindow(QObject *window);

    QString m_error;
    std::vector<std::unique_ptr<SkinForm>> m_forms;                     // as loaded from the file
    std::map<const QObject *, std::unique_ptr<SkinForm>> m_windowForms; // applied copies, one per window
    QHash<const QObject *, QPointer<SkinSurface>> m_surfaces;           // attached windows
};
