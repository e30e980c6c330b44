// The end of a start-up probe: it shows its window and leaves the event loop as soon as
// the window's first paint has ended, through a queued call, so that the rest of that
// paint (the controls and the flush to the screen) completes before the program exits.
#pragma once

#include <QApplication>
#include <QMetaObject>
#include <QWidget>

#include "paint_watcher.h"

namespace varnel::bench {

inline int ShowUntilFirstPaint(QWidget& window) {
    bool quitting = false;
    PaintWatcher watcher(&window, [&quitting] {
        if (!quitting) {
            quitting = true;
            QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                      Qt::QueuedConnection);
        }
    });
    window.show();
    return QApplication::exec();
}

}  // namespace varnel::bench
