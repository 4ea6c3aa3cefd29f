#include "toolkit/InheritedDisabledLook.h"

#include <QEvent>
#include <QPalette>
#include <QVariant>
#include <QWidget>

namespace korvelin {

namespace {

const char kSavedProperty[] = "korvelinDisabledColours";
const char kBusyProperty[] = "korvelinUpdatingLook";

constexpr QPalette::ColorRole kRoles[] = {QPalette::WindowText, QPalette::Text,   QPalette::ButtonText,
                                          QPalette::Base,       QPalette::Window, QPalette::Button};

} // namespace

void UpdateInheritedDisabledLook(QWidget &control, const QEvent *event)
{
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::PaletteChange)
        UpdateInheritedDisabledLook(control);
}

void UpdateInheritedDisabledLook(QWidget &control)
{
    // setPalette below sends a PaletteChange of its own.
    if (control.property(kBusyProperty).toBool())
        return;
    const bool inherited = !control.isEnabled() && !control.testAttribute(Qt::WA_ForceDisabled);
    const QVariant saved = control.property(kSavedProperty);
    if (!inherited && !saved.isValid())
        return;

    control.setProperty(kBusyProperty, true);
    QPalette palette = control.palette();
    if (inherited) {
        if (!saved.isValid())
            control.setProperty(kSavedProperty, QVariant::fromValue(palette));
        for (const auto role : kRoles)
            palette.setColor(QPalette::Disabled, role, palette.color(QPalette::Active, role));
    } else {
        const auto original = saved.value<QPalette>();
        for (const auto role : kRoles)
            palette.setColor(QPalette::Disabled, role, original.color(QPalette::Disabled, role));
        control.setProperty(kSavedProperty, QVariant());
    }
    control.setPalette(palette);
    control.setProperty(kBusyProperty, false);
}

} // namespace korvelin
