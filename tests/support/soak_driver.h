// A seeded random walk through a shown Form1, for the window's soak test and its benchmark.
// Each event is one thing a user does: a click on any control, a text typed or pasted into a
// box (plain numbers and the hostile texts), Tab, Enter or Esc, a unit step, a box cleared.
// Every message is answered at once. After each event the driver checks what the event must
// have done to the five boxes and to the messages.
#pragma once

#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <random>
#include <string>
#include <vector>

class QLineEdit;
class QPushButton;
class QWidget;

namespace varnel::window {
class Form1;
}

namespace varnel::soak {

// The seed in VARNEL_SOAK_SEED, or a fixed one when it is not set.
std::uint32_t SoakSeed();

struct SoakFigures {
    long events = 0;
    long presses = 0;  // of CALCULATE
    long resultsWritten = 0;
    long boxesAnswered = 0;
};

// The texts of WIRESIZE, WIRELENGTH, RESISTANCE, WIREUNIT and LENGTHUNIT, and the number of
// messages shown so far.
struct Snapshot {
    std::array<QString, 5> texts;
    long messages = 0;
    bool operator==(const Snapshot&) const = default;
};

// An event, told for the failure report, and the boxes and messages it must leave; a press of
// CALCULATE is judged by its own rule instead.
struct Event {
    std::string what;
    std::optional<Snapshot> expected;
};

struct SoakText {
    std::string name;
    QString text;
};

class SoakDriver {
  public:
    // Takes over the form's messages: each is answered at once and counted.
    SoakDriver(window::Form1& form, std::uint32_t seed);

    // Runs `count` more events. Returns nothing when each did what it must, else what the
    // first that did not did wrong, with the seed, its index and the events before it.
    std::optional<std::string> Run(long count);

    const SoakFigures& Figures() const { return figures_; }

  private:
    // A CHANGE button, the unit box it writes, its unit names and the unit shown.
    struct UnitStepper {
        QPushButton* button;
        std::size_t box;
        std::vector<QString> names;
        std::size_t shown = 0;
    };

    Event Act(const Snapshot& before);
    Event PressCalculate(const Snapshot& before);
    Event StepUnit(const Snapshot& before);
    Event ClickIntoBox(const Snapshot& before);
    Event ClickLabelOrPanel(const Snapshot& before);
    Event PressKey(const Snapshot& before);
    Event TypeText(const Snapshot& before);
    Event PasteText(const Snapshot& before);
    Event ClearBox(const Snapshot& before);
    Event Pressed(QPushButton* button, const Snapshot& before, std::string what);

    std::optional<std::string> Judge(const Event& event, const Snapshot& before,
                                     const Snapshot& after);
    std::optional<std::string> JudgePress(const Snapshot& before, const Snapshot& after);
    std::string Report(const std::string& fault) const;

    Snapshot Take() const;
    Snapshot WithText(Snapshot snapshot, const QLineEdit* box, const QString& text) const;
    QLineEdit* FocusABox();
    void ClickInto(QLineEdit* box);
    const SoakText& PickText(const std::vector<SoakText>& texts);
    std::size_t Pick(std::size_t count);

    window::Form1& form_;
    std::uint32_t seed_;
    std::mt19937 random_;
    std::array<QLineEdit*, 5> boxes_;
    QPushButton* calculate_;
    std::array<UnitStepper, 2> steppers_;
    std::vector<QWidget*> labelsAndPanels_;
    std::vector<SoakText> typedTexts_;
    std::vector<SoakText> pastedTexts_;
    std::deque<std::string> recentEvents_;
    SoakFigures figures_;
};

}  // namespace varnel::soak
