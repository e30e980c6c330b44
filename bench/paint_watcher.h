// Sees each paint of one widget to its end. An event filter only sees a paint event before
// the widget handles it, so the watcher hands the event to the widget itself and reports
// once the widget has painted; filters installed on the widget before it no longer see its
// paint events.
#pragma once

#include <QEvent>
#include <QObject>
#include <QWidget>
#include <functional>
#include <utility>

namespace varnel::bench {

class PaintWatcher : public QObject {
  public:
    using PaintEnded = std::function<void()>;

    PaintWatcher(QWidget* widget, PaintEnded paintEnded)
        : widget_(widget), paintEnded_(std::move(paintEnded)) {
        widget_->installEventFilter(this);
    }

    ~PaintWatcher() override { widget_->removeEventFilter(this); }

    PaintWatcher(const PaintWatcher&) = delete;
    PaintWatcher& operator=(const PaintWatcher&) = delete;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != widget_ || event->type() != QEvent::Paint) {
            return false;
        }
        watched->event(event);
        paintEnded_();
        return true;
    }

  private:
    QWidget* widget_;
    PaintEnded paintEnded_;
};

}  // namespace varnel::bench
