#include "ui_look/look.h"

#include "ui_look/palette.h"
#include "ui_look/program_style.h"

#include <QApplication>

namespace {

// Sets a role in the active and inactive groups, and in the disabled group
// unless `disabled` gives it another colour there.
void set(QPalette &colours, QPalette::ColorRole role, const QColor &colour, const QColor &disabled = {})
{
    colours.setColor(QPalette::Active, role, colour);
    colours.setColor(QPalette::Inactive, role, colour);
    colours.setColor(QPalette::Disabled, role, disabled.isValid() ? disabled : colour);
}

} // namespace

QPalette darkPalette()
{
    QPalette colours;
    set(colours, QPalette::Window, palette::picker);
    set(colours, QPalette::WindowText, palette::text, palette::disabledText);
    set(colours, QPalette::Base, palette::field);
    set(colours, QPalette::AlternateBase, palette::picker);
    set(colours, QPalette::Text, palette::text, palette::disabledText);
    set(colours, QPalette::PlaceholderText, palette::mutedText);
    set(colours, QPalette::Button, palette::raised);
    set(colours, QPalette::ButtonText, palette::text, palette::disabledText);
    set(colours, QPalette::BrightText, palette::onAccent);
    set(colours, QPalette::Highlight, palette::accentDark, palette::line);
    set(colours, QPalette::HighlightedText, palette::onAccent, palette::disabledText);
    set(colours, QPalette::Link, palette::accentText);
    set(colours, QPalette::LinkVisited, palette::accentText);
    set(colours, QPalette::ToolTipBase, palette::raised);
    set(colours, QPalette::ToolTipText, palette::text);
    // Bevel shades of the style; Mid is the outline of every control.
    set(colours, QPalette::Light, palette::raised.lighter(130));
    set(colours, QPalette::Midlight, palette::raised.lighter(115));
    set(colours, QPalette::Mid, palette::controlBorder);
    set(colours, QPalette::Dark, palette::footer);
    set(colours, QPalette::Shadow, palette::titleBar);
    return colours;
}

QPalette propertiesPalette()
{
    QPalette colours = darkPalette();
    set(colours, QPalette::Window, palette::propertiesBackground);
    set(colours, QPalette::WindowText, palette::propertiesText);
    set(colours, QPalette::Base, palette::propertiesField);
    set(colours, QPalette::AlternateBase, palette::propertiesBackground);
    set(colours, QPalette::Text, palette::propertiesText);
    set(colours, QPalette::Button, palette::propertiesBackground);
    set(colours, QPalette::ButtonText, palette::propertiesText);
    set(colours, QPalette::PlaceholderText, palette::propertiesBorder);
    set(colours, QPalette::Mid, palette::propertiesBorder);
    set(colours, QPalette::Link, palette::accentDark);
    set(colours, QPalette::LinkVisited, palette::accentDark);
    return colours;
}

void applyProgramLook(QApplication &application)
{
    application.setStyle(new ProgramStyle);
    application.setPalette(darkPalette());
}
