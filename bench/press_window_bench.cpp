// Milliseconds from a click on CALCULATE to the solved resistance painted in its field, on
// Qt's offscreen platform, beside the toolkit's floor: the same click and paint in the plain
// window of as many controls, whose button only sets a fixed text in its RESISTANCE line
// edit. The samples of the two alternate, so that both share the machine's noise; the
// median and the 99th percentile of each are printed against the target of one frame.
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

#include "floor_window.h"
#include "form1.h"
#include "offscreen_main.h"
#include "paint_watcher.h"

namespace varnel::bench {
namespace {

using window::Form1;

constexpr int kWarmUpSamples = 20;
constexpr int kSamples = 1000;
constexpr double kFrameMilliseconds = 16.0;
constexpr int kPaintTimeoutMilliseconds = 2000;

// The window's button and the line edit where the button's result is painted.
class PressTarget {
  public:
    PressTarget(QWidget* window, const QElapsedTimer& clock)
        : button_(window->findChild<QPushButton*>(QStringLiteral("Command1"))),
          result_(window->findChild<QLineEdit*>(QStringLiteral("RESISTANCE"))),
          clock_(clock),
          watcher_(result_, [this] { NotePaint(); }) {
        paintTimeout_.setSingleShot(true);
    }

    // Nanoseconds from the click on the button to the end of the paint of its result in a
    // blank field; nothing when the result is never painted.
    std::optional<qint64> TimeClickToPaint() {
        if (!ClearResult()) {
            return std::nullopt;
        }
        AwaitPaint(true);
        qint64 start = clock_.nsecsElapsed();
        QTest::mouseClick(button_, Qt::LeftButton);
        if (!ProcessEventsUntilPainted()) {
            return std::nullopt;
        }
        return paintEnd_ - start;
    }

    QString Result() const { return result_->text(); }

  private:
    bool ClearResult() {
        if (result_->text().isEmpty()) {
            return true;
        }
        AwaitPaint(false);
        result_->clear();
        return ProcessEventsUntilPainted();
    }

    void AwaitPaint(bool withText) {
        awaitingText_ = withText;
        painted_ = false;
        paintTimeout_.start(kPaintTimeoutMilliseconds);
    }

    // Painting is deferred to the event loop: it runs until the awaited paint has ended.
    bool ProcessEventsUntilPainted() {
        while (!painted_ && paintTimeout_.isActive()) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        paintTimeout_.stop();
        return painted_;
    }

    void NotePaint() {
        if (result_->text().isEmpty() != awaitingText_) {
            paintEnd_ = clock_.nsecsElapsed();
            painted_ = true;
        }
    }

    QPushButton* button_;
    QLineEdit* result_;
    const QElapsedTimer& clock_;
    PaintWatcher watcher_;
    QTimer paintTimeout_;
    bool awaitingText_ = false;
    bool painted_ = false;
    qint64 paintEnd_ = 0;
};

struct Samples {
    std::vector<qint64> nanoseconds;
    bool allPainted = true;
};

void TakeSample(PressTarget& target, Samples& samples) {
    std::optional<qint64> sample = target.TimeClickToPaint();
    if (sample) {
        samples.nanoseconds.push_back(*sample);
    } else {
        samples.allPainted = false;
    }
}

void TakeAlternateSamples(int count, PressTarget& first, Samples& firstSamples, PressTarget& second,
                          Samples& secondSamples) {
    for (int i = 0; i < count; ++i) {
        TakeSample(first, firstSamples);
        TakeSample(second, secondSamples);
    }
}

// The nearest-rank percentile in milliseconds.
double PercentileMilliseconds(std::vector<qint64> nanoseconds, double percentile) {
    if (nanoseconds.empty()) {
        return 0.0;
    }
    std::sort(nanoseconds.begin(), nanoseconds.end());
    auto rank =
        static_cast<std::size_t>(percentile / 100.0 * static_cast<double>(nanoseconds.size()));
    rank = std::min(rank, nanoseconds.size() - 1);
    return static_cast<double>(nanoseconds[rank]) / 1e6;
}

void PrintRow(const char* name, const Samples& samples) {
    std::printf("%-36s %12.3f %12.3f %9zu\n", name, PercentileMilliseconds(samples.nanoseconds, 50),
                PercentileMilliseconds(samples.nanoseconds, 99), samples.nanoseconds.size());
}

bool ShowAndWaitUntilExposed(QWidget& window) {
    window.show();
    return QTest::qWaitForWindowExposed(&window);
}

void FillInSizeAndLength(Form1& form) {
    form.findChild<QLineEdit*>(QStringLiteral("WIRESIZE"))->setText(QStringLiteral("10"));
    form.findChild<QLineEdit*>(QStringLiteral("WIRELENGTH"))->setText(QStringLiteral("1000"));
}

void SetFixedResultOnClick(FloorWindow& floor) {
    auto* result = floor.findChild<QLineEdit*>(QStringLiteral("RESISTANCE"));
    QObject::connect(floor.findChild<QPushButton*>(QStringLiteral("Command1")),
                     &QPushButton::clicked, result,
                     [result] { result->setText(QStringLiteral("0.9999339")); });
}

// Prints both figures and the verdict; true when the press is within one frame.
bool Report(const Samples& press, const Samples& floor, const QStringList& messages,
            const QString& pressResult) {
    std::printf("Click to result painted, offscreen, %d samples each after %d to warm up:\n",
                kSamples, kWarmUpSamples);
    std::printf("%-36s %12s %12s %9s\n", "", "median (ms)", "p99 (ms)", "samples");
    PrintRow("Form1: CALCULATE, 10 AWG, 1000 ft", press);
    PrintRow("Floor: plain button sets a text", floor);
    double p99 = PercentileMilliseconds(press.nanoseconds, 99);
    bool withinFrame = p99 <= kFrameMilliseconds;
    std::printf("Result painted: \"%s\"\n", qPrintable(pressResult));
    std::printf("Target: 99th percentile within one frame (%.0f ms): %s\n", kFrameMilliseconds,
                withinFrame ? "met" : "MISSED");
    if (!press.allPainted || !floor.allPainted) {
        std::printf("FAILED: a result was not painted within %d ms\n", kPaintTimeoutMilliseconds);
    }
    for (const QString& message : messages) {
        std::printf("FAILED: the press showed a message: %s\n", qPrintable(message));
    }
    return withinFrame && press.allPainted && floor.allPainted && messages.isEmpty();
}

bool Run() {
    Form1 form(QLocale(QLocale::English, QLocale::UnitedStates));
    QStringList messages;
    form.setMessagePresenter([&messages](const QString& text) { messages << text; });
    FillInSizeAndLength(form);
    FloorWindow floor;
    SetFixedResultOnClick(floor);
    if (!ShowAndWaitUntilExposed(form) || !ShowAndWaitUntilExposed(floor)) {
        std::printf("FAILED: the windows were not shown\n");
        return false;
    }

    QElapsedTimer clock;
    clock.start();
    PressTarget pressTarget(&form, clock);
    PressTarget floorTarget(&floor, clock);
    Samples warmUp;
    TakeAlternateSamples(kWarmUpSamples, pressTarget, warmUp, floorTarget, warmUp);
    Samples press;
    Samples floorSamples;
    TakeAlternateSamples(kSamples, pressTarget, press, floorTarget, floorSamples);
    return Report(press, floorSamples, messages, pressTarget.Result());
}

}  // namespace
}  // namespace varnel::bench

int main(int argc, char* argv[]) {
    return varnel::bench::RunOffscreen(argc, argv, varnel::bench::Run);
}
