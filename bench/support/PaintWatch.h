// Sees the paint events of one window, for the start-up benchmarks that measure the time to
// a window's first paint. A form covered by its controls gets no paint event of its own: the
// first paint pass of the window paints them all at once, so any widget of the window counts.
#pragma once

#include <QEvent>
#include <QObject>
#include <QWidget>

class PaintWatch : public QObject {
public:
    QWidget* Window = nullptr;
    bool Painted = false;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint && o->isWidgetType() && static_cast<QWidget*>(o)->window() == Window)
            Painted = true;
        return false;
    }
};
