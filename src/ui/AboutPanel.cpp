#include "ui/FormBuilders.h"
#include "ui/Maker.h"

namespace korvelin {

namespace {

Label *MakeAboutLabel(MainForm &form, const char *text, int x, int y, int width, Qt::CursorShape cursor)
{
    Label *label = MakeLabel(form.AboutPanel, text, x, y, width, 17);
    label->setCursor(cursor);
    return label;
}

} // namespace

void BuildAboutPanel(MainForm &form)
{
    // The panel's hand reaches every label that does not set its own cursor:
    // the web address and the "Version:" caption.
    form.AboutPanel->setCursor(Qt::PointingHandCursor);

    MakeAboutLabel(form, "WWW:", 16, 24, kDefaultLabelWidth, Qt::ArrowCursor);
    form.WebLabel = MakeLabel(form.AboutPanel, kWebAddress, 104, 24, 105, 17);
    SetTextColor(*form.WebLabel, QColor(0, 0, 255));
    SetUnderline(*form.WebLabel, true);
    SetBackgroundColor(*form.WebLabel, ResolveSystemColor(SystemColor::ButtonFace));

    MakeAboutLabel(form, "ICQ:", 16, 48, kDefaultLabelWidth, Qt::ArrowCursor);
    form.ContactLabel = MakeAboutLabel(form, kContactNumber, 104, 48, 105, Qt::ArrowCursor);
    SetTextColor(*form.ContactLabel, QColor(0, 128, 0));
    form.ToolTips->Add(form.ContactLabel,
                       QStringLiteral("Mark in first Message \"") + Utf8(kProgramName) + QLatin1Char('"'));

    MakeLabel(form.AboutPanel, "Version:", 16, 72, kDefaultLabelWidth, 17);
    form.VersionLabel = MakeAboutLabel(form, "", 104, 72, 105, Qt::ArrowCursor);
    SetTextColor(*form.VersionLabel, QColor(128, 0, 0));
    form.ToolTips->Add(form.VersionLabel, QStringLiteral("Click for check new version"));
}

} // namespace korvelin
