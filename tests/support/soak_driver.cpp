#include "soak_driver.h"

#include <QApplication>
#include <QClipboard>
#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <cstdlib>
#include <span>
#include <string_view>
#include <utility>

#include "calculator.h"
#include "control_table.h"
#include "form1.h"
#include "hostile_texts.h"
#include "qt_text.h"
#include "units.h"

namespace varnel::soak {
namespace {

using window::ToQString;

constexpr std::uint32_t kDefaultSeed = 20'250'601;

// The events told in a failure report: the failing one and those just before it.
constexpr std::size_t kRecentEvents = 12;

// Typing goes key by key, so only short texts are typed. Pasted texts go up to 40,000
// characters: a megabyte in a line edit takes a third of a second per paste and per
// keystroke, more than a soak of many thousand events can spend.
constexpr std::size_t kLongestTypedText = 64;
constexpr std::size_t kLongestPastedText = 40'000;

constexpr std::size_t kWireUnitBox = 3;
constexpr std::size_t kLengthUnitBox = 4;
constexpr std::size_t kFields = 3;

// How long a text may be in a failure report before it is cut.
constexpr qsizetype kShownCharacters = 24;

// The names a unit box shows, in the order its CHANGE button steps through them.
template <typename UnitTable>
std::vector<QString> UnitNames(const UnitTable& units) {
    std::vector<QString> names;
    for (const auto& unit : units) {
        names.push_back(ToQString(unit.name));
    }
    return names;
}

std::string Name(const QWidget* widget) {
    return widget->objectName().toStdString();
}

// Numbers a press can solve from. Three texts in four typed or pasted are one of them, so
// that presses solve as well as refuse.
constexpr std::array<std::string_view, 6> kNumbers{"10", "1000", "1", "0.5", "1/0", "2e3"};

// The numbers, then the hostile texts up to `longest` bytes.
std::vector<SoakText> SoakTexts(std::size_t longest) {
    std::vector<SoakText> texts;
    for (std::string_view number : kNumbers) {
        texts.push_back({'"' + std::string(number) + '"', ToQString(number)});
    }
    for (const testing::HostileText& hostile : testing::kHostileTexts) {
        if (hostile.text.size() <= longest) {
            texts.push_back({hostile.name, ToQString(hostile.text)});
        }
    }
    return texts;
}

// What typing a text puts into a line edit: the characters a key types, its printable ones.
QString TypedPart(const QString& text) {
    QString part;
    std::ranges::copy_if(text, std::back_inserter(part), [](QChar c) { return c.isPrint(); });
    return part;
}

// What a paste puts into a box: the pasted text up to its first line break.
QString PastedPart(const QString& text) {
    auto lineBreak = std::ranges::find_if(text, [](QChar c) { return c == '\r' || c == '\n'; });
    return text.first(lineBreak - text.begin());
}

// The key that types a character: its own for printable ASCII (Qt::Key_A for 'a'), else no
// known key, as for a character that an input method composes.
Qt::Key KeyOf(QChar c) {
    bool ascii = c.unicode() >= 0x20 && c.unicode() < 0x7f;
    return ascii ? static_cast<Qt::Key>(c.toUpper().unicode()) : Qt::Key_unknown;
}

void Type(QLineEdit* box, const QString& text) {
    for (QChar c : text) {
        QTest::sendKeyEvent(QTest::Click, box, KeyOf(c), QString(c), Qt::NoModifier);
    }
}

// The box's text with `part` put in at the caret, in place of the selection if there is one.
QString Inserted(const QLineEdit& box, const QString& part) {
    QString text = box.text();
    if (box.hasSelectedText()) {
        return text.replace(box.selectionStart(), box.selectionLength(), part);
    }
    return text.insert(box.cursorPosition(), part);
}

// Where a text goes into a box: at its caret or over its selection.
std::string Where(const QLineEdit& box) {
    std::string where = Name(&box);
    if (box.hasSelectedText()) {
        return where + " over " + std::to_string(box.selectionLength()) + " selected characters";
    }
    return where + " at " + std::to_string(box.cursorPosition());
}

// A text for a report: cut when long, its unprintable characters as escapes ("\x0a").
std::string Shown(const QString& text) {
    std::string shown = "\"";
    for (QChar c : text.first(std::min(text.size(), kShownCharacters))) {
        shown += c.isPrint() ? QString(c).toStdString()
                             : "\\x" + QString::number(c.unicode(), 16).toStdString();
    }
    if (text.size() > kShownCharacters) {
        return shown + "...\" (" + std::to_string(text.size()) + " characters)";
    }
    return shown + '"';
}

// The boxes and messages that differ between two snapshots.
std::string Differences(const std::array<QLineEdit*, 5>& boxes, const Snapshot& wanted,
                        const Snapshot& found) {
    std::string differences;
    for (std::size_t box = 0; box < boxes.size(); ++box) {
        if (wanted.texts[box] != found.texts[box]) {
            differences.append(" ").append(Name(boxes[box])).append(" ");
            differences.append(Shown(wanted.texts[box])).append(" but found ");
            differences.append(Shown(found.texts[box])).append(";");
        }
    }
    if (wanted.messages != found.messages) {
        differences.append(" ").append(std::to_string(found.messages - wanted.messages));
        differences.append(" messages more;");
    }
    return differences;
}

// Whether the one blank field, and nothing else, was written.
bool WroteTheOneBlankField(const Snapshot& before, const Snapshot& after) {
    auto fields = std::span(before.texts).first(kFields);
    if (std::ranges::count_if(fields, &QString::isEmpty) != 1) {
        return false;
    }
    for (std::size_t box = 0; box < before.texts.size(); ++box) {
        bool blank = box < kFields && before.texts[box].isEmpty();
        if (blank == (after.texts[box] == before.texts[box])) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::uint32_t SoakSeed() {
    const char* seed = std::getenv("VARNEL_SOAK_SEED");
    return seed != nullptr ? static_cast<std::uint32_t>(std::strtoul(seed, nullptr, 10))
                           : kDefaultSeed;
}

SoakDriver::SoakDriver(window::Form1& form, std::uint32_t seed)
    : form_(form),
      seed_(seed),
      random_(seed),
      calculate_(form.findChild<QPushButton*>(QStringLiteral("Command1"))),
      steppers_{{{form.findChild<QPushButton*>(QStringLiteral("Command2")), kWireUnitBox,
                  UnitNames(SIZE_UNITS)},
                 {form.findChild<QPushButton*>(QStringLiteral("Command3")), kLengthUnitBox,
                  UnitNames(LENGTH_UNITS)}}},
      typedTexts_(SoakTexts(kLongestTypedText)),
      pastedTexts_(SoakTexts(kLongestPastedText)) {
    std::size_t box = 0;
    for (std::string_view name : {WIRESIZE, WIRELENGTH, RESISTANCE, WIREUNIT, LENGTHUNIT}) {
        boxes_[box++] = form.findChild<QLineEdit*>(ToQString(name));
    }
    for (const window::ControlRow& row : window::kControlTable) {
        if (row.kind == window::ControlKind::Label ||
            row.kind == window::ControlKind::CentredLabel ||
            row.kind == window::ControlKind::Panel) {
            labelsAndPanels_.push_back(form.findChild<QWidget*>(ToQString(row.name)));
        }
    }
    form.setMessagePresenter([this](const QString&) { ++figures_.boxesAnswered; });
}

std::optional<std::string> SoakDriver::Run(long count) {
    for (long event = 0; event < count; ++event) {
        Snapshot before = Take();
        Event done = Act(before);
        QCoreApplication::processEvents();
        recentEvents_.push_back(done.what);
        if (recentEvents_.size() > kRecentEvents) {
            recentEvents_.pop_front();
        }
        if (std::optional<std::string> fault = Judge(done, before, Take())) {
            return Report(*fault);
        }
        ++figures_.events;
    }
    return std::nullopt;
}

Event SoakDriver::Act(const Snapshot& before) {
    using Action = Event (SoakDriver::*)(const Snapshot&);
    static constexpr std::array<std::pair<double, Action>, 8> kActions{{
        {3, &SoakDriver::PressCalculate},
        {1, &SoakDriver::StepUnit},
        {2, &SoakDriver::ClickIntoBox},
        {1, &SoakDriver::ClickLabelOrPanel},
        {3, &SoakDriver::PressKey},
        {4, &SoakDriver::TypeText},
        {3, &SoakDriver::PasteText},
        {4, &SoakDriver::ClearBox},
    }};
    std::array<double, kActions.size()> weights{};
    std::ranges::transform(kActions, weights.begin(), [](const auto& a) { return a.first; });
    std::discrete_distribution<std::size_t> choose(weights.begin(), weights.end());
    return (this->*kActions[choose(random_)].second)(before);
}

Event SoakDriver::PressCalculate(const Snapshot& before) {
    QTest::mouseClick(calculate_, Qt::LeftButton);
    return Pressed(calculate_, before, "press CALCULATE");
}

Event SoakDriver::StepUnit(const Snapshot& before) {
    QPushButton* button = steppers_[Pick(steppers_.size())].button;
    QTest::mouseClick(button, Qt::LeftButton);
    return Pressed(button, before, "press " + Name(button));
}

// What a press of `button` must have done: CALCULATE is judged as a press, a CHANGE button
// shows its next unit.
Event SoakDriver::Pressed(QPushButton* button, const Snapshot& before, std::string what) {
    if (button == calculate_) {
        ++figures_.presses;
        return {std::move(what), std::nullopt};
    }
    UnitStepper& stepper = *std::ranges::find(steppers_, button, &UnitStepper::button);
    stepper.shown = (stepper.shown + 1) % stepper.names.size();
    Snapshot expected = before;
    expected.texts[stepper.box] = stepper.names[stepper.shown];
    return {std::move(what), expected};
}

Event SoakDriver::ClickIntoBox(const Snapshot& before) {
    QLineEdit* box = boxes_[Pick(boxes_.size())];
    ClickInto(box);
    return {"click into " + Where(*box), before};
}

Event SoakDriver::ClickLabelOrPanel(const Snapshot& before) {
    QWidget* control = labelsAndPanels_[Pick(labelsAndPanels_.size())];
    QTest::mouseClick(control, Qt::LeftButton);
    return {"click " + Name(control), before};
}

Event SoakDriver::PressKey(const Snapshot& before) {
    static constexpr std::array<Qt::Key, 5> kKeys{Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Return,
                                                  Qt::Key_Enter, Qt::Key_Escape};
    Qt::Key key = kKeys[Pick(kKeys.size())];
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus, key);
    std::string what = "press " + QKeySequence(key).toString().toStdString() + " in " + Name(focus);
    auto* button = qobject_cast<QPushButton*>(focus);
    bool presses = button != nullptr && (key == Qt::Key_Return || key == Qt::Key_Enter);
    return presses ? Pressed(button, before, what) : Event{what, before};
}

Event SoakDriver::TypeText(const Snapshot& before) {
    const SoakText& typed = PickText(typedTexts_);
    QLineEdit* box = FocusABox();
    QString part = TypedPart(typed.text);
    Snapshot expected = part.isEmpty() ? before : WithText(before, box, Inserted(*box, part));
    std::string what = "type " + typed.name + " into " + Where(*box);
    Type(box, typed.text);
    return {what, expected};
}

Event SoakDriver::PasteText(const Snapshot& before) {
    const SoakText& pasted = PickText(pastedTexts_);
    QLineEdit* box = FocusABox();
    QApplication::clipboard()->setText(pasted.text);
    Snapshot expected = WithText(before, box, Inserted(*box, PastedPart(pasted.text)));
    std::string what = "paste " + pasted.name + " into " + Where(*box);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    return {what, expected};
}

Event SoakDriver::ClearBox(const Snapshot& before) {
    QLineEdit* box = FocusABox();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Backspace);
    return {"clear " + Name(box), WithText(before, box, QString())};
}

std::optional<std::string> SoakDriver::Judge(const Event& event, const Snapshot& before,
                                             const Snapshot& after) {
    if (!form_.isAncestorOf(QApplication::focusWidget())) {
        return "the focus left the window's controls";
    }
    if (!event.expected) {
        return JudgePress(before, after);
    }
    if (after != *event.expected) {
        return "wanted" + Differences(boxes_, *event.expected, after);
    }
    return std::nullopt;
}

// A press either writes the one blank field and shows nothing, or shows exactly one message
// and changes no box.
std::optional<std::string> SoakDriver::JudgePress(const Snapshot& before, const Snapshot& after) {
    if (after.messages == before.messages && WroteTheOneBlankField(before, after)) {
        ++figures_.resultsWritten;
        return std::nullopt;
    }
    if (after.messages == before.messages + 1 && after.texts == before.texts) {
        return std::nullopt;
    }
    Snapshot unchanged = before;
    unchanged.messages = before.messages + 1;
    return "the press neither wrote the one blank field alone nor showed one message: it left" +
           Differences(boxes_, unchanged, after);
}

std::string SoakDriver::Report(const std::string& fault) const {
    std::string report = "seed " + std::to_string(seed_) + " (VARNEL_SOAK_SEED), event " +
                         std::to_string(figures_.events) + " counted from 0: " + fault +
                         "\nthe last events, the failing one last:";
    for (const std::string& what : recentEvents_) {
        report += "\n  " + what;
    }
    return report;
}

Snapshot SoakDriver::Take() const {
    Snapshot snapshot{{}, figures_.boxesAnswered};
    std::ranges::transform(boxes_, snapshot.texts.begin(), &QLineEdit::text);
    return snapshot;
}

// The snapshot with the box's text replaced, unless the box is read-only.
Snapshot SoakDriver::WithText(Snapshot snapshot, const QLineEdit* box, const QString& text) const {
    if (!box->isReadOnly()) {
        snapshot.texts[static_cast<std::size_t>(std::ranges::find(boxes_, box) - boxes_.begin())] =
            text;
    }
    return snapshot;
}

// The box that has the focus; when no box has it, a box clicked into.
QLineEdit* SoakDriver::FocusABox() {
    auto focused = std::ranges::find_if(boxes_, &QWidget::hasFocus);
    if (focused != boxes_.end()) {
        return *focused;
    }
    QLineEdit* box = boxes_[Pick(boxes_.size())];
    ClickInto(box);
    return box;
}

// A click at a random place along the middle of the box.
void SoakDriver::ClickInto(QLineEdit* box) {
    int x = static_cast<int>(Pick(static_cast<std::size_t>(box->width())));
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(x, box->height() / 2));
}

// A number three times in four, else any text.
const SoakText& SoakDriver::PickText(const std::vector<SoakText>& texts) {
    return texts[Pick(4) != 0 ? Pick(kNumbers.size()) : Pick(texts.size())];
}

std::size_t SoakDriver::Pick(std::size_t count) {
    return std::uniform_int_distribution<std::size_t>(0, count - 1)(random_);
}

}  // namespace varnel::soak
