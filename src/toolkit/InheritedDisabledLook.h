#pragma once

class QEvent;
class QWidget;

namespace korvelin {

// While a control is disabled only because a parent is, it is drawn with its
// enabled colours, as a Win32 child of a disabled window is; disabled by
// itself, it greys out as usual. Call from the constructor (a control made
// inside a disabled parent gets no EnabledChange) and from changeEvent.
void UpdateInheritedDisabledLook(QWidget &control);
void UpdateInheritedDisabledLook(QWidget &control, const QEvent *event);

} // namespace korvelin
