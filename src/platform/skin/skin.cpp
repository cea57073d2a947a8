#include "platform/skin/skin.h"

#include "platform/skin/skin_accessible.h"
#include "platform/skin/skin_file_parser.h"
#include "platform/skin/skin_surface.h"

#include <QFile>
#include <algorithm>

TSkin::TSkin(QObject *parent) : QObject(parent)
{
    installSkinAccessibility();
}

// Surfaces report through this engine, so they go with it.
TSkin::~TSkin()
{
    for (const QPointer<SkinSurface> &surface : std::as_const(m_surfaces))
        delete surface.data();
}

// A file that fails to load leaves the forms of the previous one in place.
bool TSkin::loadSkin(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = QStringLiteral("%1: cannot open: %2").arg(path, file.errorString());
        return false;
    }
    SkinParseResult result = parseSkinFile(QString::fromUtf8(file.readAll()), path);
    if (!result.ok()) {
        m_error = result.error;
        return false;
    }
    m_forms = std::move(result.forms);
    m_error.clear();
    return true;
}

void TSkin::attach(QWidget *window)
{
    if (m_surfaces.value(window))
        return;
    auto *surface = new SkinSurface(this, window);
    m_surfaces.insert(window, surface);
    surface->setForm(skinFormOfWindow(window));
    watch(window);
}

bool TSkin::applySkinForm(QWidget *window, const QString &formName)
{
    const auto loaded =
        std::find_if(m_forms.begin(), m_forms.end(), [&](const auto &form) { return form->name() == formName; });
    if (loaded == m_forms.end())
        return false;
    std::unique_ptr<SkinForm> form = (*loaded)->clone();
    form->m_window = window;
    // The surface lets go of the window's previous form before that form ends.
    if (SkinSurface *surface = m_surfaces.value(window))
        surface->setForm(form.get());
    window->resize(form->m_size);
    m_windowForms[window] = std::move(form);
    watch(window);
    return true;
}

SkinForm *TSkin::skinFormOfWindow(QWidget *window) const
{
    const auto it = m_windowForms.find(window);
    return it == m_windowForms.end() ? nullptr : it->second.get();
}

SkinObject *TSkin::findObject(SkinForm *form, const QString &name)
{
    return form ? form->findObject(name) : nullptr;
}

void TSkin::present(QWidget *window, std::span<const SkinAccess> objects)
{
    if (SkinSurface *surface = m_surfaces.value(window))
        surface->present(objects);
}

void TSkin::watch(QWidget *window)
{
    connect(window, &QObject::destroyed, this, &TSkin::forgetWindow, Qt::UniqueConnection);
}

void TSkin::forgetWindow(QObject *window)
{
    if (SkinSurface *surface = m_surfaces.take(window))
        surface->setForm(nullptr);
    m_windowForms.erase(window);
}
