#pragma once

class QEvent;
class QWidget;

namespace korvelin {

// Call from changeEvent. While the control is disabled only because a parent
// is, it is drawn with its enabled colours, as a Win32 child of a disabled
// window is; disabled by itself, it greys out as usual.
void UpdateInheritedDisabledLook(QWidget &control, const QEvent *event);

} // namespace korvelin
