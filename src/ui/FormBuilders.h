#pragma once
// Internal to the window's construction: one builder per part of the window
// and the helpers that place a control at its bounds.

#include "ui/MainForm.h"

#include <cstdint>
#include <span>

namespace korvelin {

// Toolkit defaults for bounds that the layout leaves open.
inline constexpr int kDefaultLabelWidth = 64;
inline constexpr int kDefaultEditHeight = 22;
inline constexpr int kDefaultComboWidth = 100;
inline constexpr int kDefaultCheckHeight = 22;

inline QString Utf8(const char *text)
{
    return QString::fromUtf8(text);
}

Label *MakeLabel(QWidget *parent, const char *text, int x, int y, int width, int height);
Edit *MakeEdit(QWidget *parent, const char *text, int x, int y, int width, int height = kDefaultEditHeight);
GroupBox *MakeGroup(QWidget *parent, const char *title, int x, int y, int width, int height);
GradientButton *MakeGradientButton(QWidget *parent, const char *text, int x, int y, int width, int height);
PushButton *MakePushButton(QWidget *parent, const char *text, int x, int y, int width, int height);

void BuildAboutPanel(MainForm &form);
void BuildItemPanel(MainForm &form, GroupBox *panel, int firstRow);
void BuildResourcePanel(MainForm &form);

} // namespace korvelin
