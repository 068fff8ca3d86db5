#include "platform/colour.h"

#include "platform/toolkitsettings.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QWidget>
#include <algorithm>

namespace platform {

QColor toQColor(ColorRef colour)
{
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

ColorRef fromQColor(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return makeColorRef(rgb.red(), rgb.green(), rgb.blue());
}

namespace {

// Qt names the dialog's buttons and fields but not the parts it draws itself:
// a screen reader needs words for those too.
void NameDrawnParts(QColorDialog& dialog)
{
    const struct {
        const char* className;
        const char* name;
        const char* description;
    } parts[] = {
        {"QColorPicker", QT_TRANSLATE_NOOP("platform::Colour", "Hue and saturation"),
         QT_TRANSLATE_NOOP("platform::Colour", "Pick a hue across and a saturation down")},
        {"QColorLuminancePicker", QT_TRANSLATE_NOOP("platform::Colour", "Brightness"),
         QT_TRANSLATE_NOOP("platform::Colour", "Pick how light the colour is")},
        {"QColorShowLabel", QT_TRANSLATE_NOOP("platform::Colour", "Chosen colour"),
         QT_TRANSLATE_NOOP("platform::Colour", "The colour as it is now chosen")},
    };
    for (QWidget* widget : dialog.findChildren<QWidget*>())
        for (const auto& part : parts)
            if (widget->inherits(part.className) && widget->accessibleName().isEmpty()) {
                widget->setAccessibleName(QCoreApplication::translate("platform::Colour", part.name));
                widget->setAccessibleDescription(QCoreApplication::translate("platform::Colour", part.description));
            }
}

} // namespace

bool chooseColour(QWidget* owner, ColorRef& colour, CustomColours& custom)
{
    // The custom colours live in the program's own settings, not the toolkit's.
    keepToolkitSettingsUnwritten();
    // The custom slots are shared by every colour dialog of the process: fill
    // them with the program's own colours and take them back afterwards, even
    // after a cancel, since the player may have changed them either way.
    const int shared = std::min<int>(QColorDialog::customCount(), int(custom.size()));
    for (int i = 0; i < shared; ++i)
        QColorDialog::setCustomColor(i, toQColor(custom[std::size_t(i)]));

    // Qt's own dialog rather than the desktop's, so it always offers the
    // custom colours and behaves the same everywhere.
    QColorDialog dialog(toQColor(colour), owner);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    NameDrawnParts(dialog);
    const bool accepted = dialog.exec() == QDialog::Accepted;

    for (int i = 0; i < shared; ++i)
        custom[std::size_t(i)] = fromQColor(QColorDialog::customColor(i));
    if (accepted)
        colour = fromQColor(dialog.selectedColor());
    return accepted;
}

} // namespace platform
