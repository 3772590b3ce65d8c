// Keystrokes into txtRs(0) of the real window, against the toolkit's floor:
// the same layout whose only logic writes 22 fixed texts into the result
// boxes. Each keystroke is timed from the key press to the moment its
// results are written (the press has been handled), and to the moment the
// repaint they cause has been flushed; each is also counted in text changes
// of the result and unit boxes and in their paints. Prints JSON on stdout.
//
// Usage: quorvel_key_bench [--warmup N] [--keys N] [--rounds N] [--only floor|real]
// (--only times one side alone, to profile it.)

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QStyleHints>
#include <QTest>

#include "frontend/control_name.h"
#include "calc/recalculate.h"
#include "test_support/field_texts.h"
#include "calc/units.h"
#include "ui/frm_quorvel.h"
#include "ui/system_locale.h"
#include "ui/window_builder.h"

namespace quorvel {
namespace {

using Clock = std::chrono::steady_clock;

// The 22 boxes a recalculation writes, in the window's reading order.
using testing::kResultFields;

std::vector<QWidget*> ResultBoxes(const QWidget& window) {
    std::vector<QWidget*> boxes;
    for (Field field : kResultFields) {
        for (int i = 0; i < CountOf(field); ++i) {
            boxes.push_back(window.findChild<QWidget*>(QString::fromStdString(ControlName(field, i))));
        }
    }
    return boxes;
}

QString TextOf(const QWidget* box) {
    if (const auto* label = qobject_cast<const QLabel*>(box)) return label->text();
    return static_cast<const QLineEdit*>(box)->text();
}

// The typed example, whose first resistor holds "100".
constexpr const char* kFirst = "100";
constexpr char kDigit = '7';

// The texts the real window shows for a first resistor: the floor writes
// these, so that both sides repaint the same texts.
std::vector<QString> ShownResults(const std::string& first) {
    FieldModel model(SystemNumberLocale());
    testing::EnterTypedExample(model, first);
    Recalculate(model);
    std::vector<QString> texts;
    for (Field field : kResultFields) {
        for (int i = 0; i < CountOf(field); ++i) texts.push_back(QString::fromStdString(model.Text(field, i)));
    }
    return texts;
}

// Remembers which widgets were painted since the last Reset, and how often
// the result boxes were.
class PaintProbe : public QObject {
public:
    void Watch(QWidget* widget) { widget->installEventFilter(this); }
    void Reset() {
        painted_.clear();
        box_paints_ = 0;
    }
    bool Painted(const QObject* widget) const {
        return std::find(painted_.begin(), painted_.end(), widget) != painted_.end();
    }
    int BoxPaints() const { return box_paints_; }

    bool eventFilter(QObject* receiver, QEvent* event) override {
        if (event->type() != QEvent::Paint) return false;
        if (qobject_cast<QLineEdit*>(receiver) && static_cast<QLineEdit*>(receiver)->isReadOnly()) ++box_paints_;
        if (!Painted(receiver)) painted_.push_back(receiver);
        return false;
    }

private:
    std::vector<const QObject*> painted_;
    int box_paints_ = 0;
};

struct Samples {
    std::vector<double> results_us;
    std::vector<double> repaint_us;
    std::vector<double> writes;   // texts of result and unit boxes changed, per keystroke
    std::vector<double> repaints; // paints of those boxes, per keystroke
};

// One window under test: its entry, its result boxes and what was measured.
struct Side {
    const char* name;
    QWidget* window;
    QLineEdit* entry;
    std::vector<QWidget*> boxes;
    Samples samples;
    int writes = 0;  // text changes of the boxes since the keystroke began
};

// Counts every text change of the side's line edits among its boxes.
void CountWrites(Side& side) {
    for (QWidget* box : side.boxes) {
        if (auto* edit = qobject_cast<QLineEdit*>(box)) {
            QObject::connect(edit, &QLineEdit::textChanged, [&side] { ++side.writes; });
        }
    }
}

[[noreturn]] void Fail(const Side& side, const char* what) {
    std::fprintf(stderr, "quorvel_key_bench: %s window: %s\n", side.name, what);
    std::exit(1);
}

double Micros(Clock::duration d) { return std::chrono::duration<double, std::micro>(d).count(); }

// One keystroke: a digit when `digit`, else Backspace. The press is timed up
// to its return, by which the handler has written every result; then the
// event loop runs until the update the writes posted has been delivered.
// That delivery paints every dirty widget of the window into its backing
// store and flushes it before it returns, so the processEvents() in which the
// entry was repainted ends with the whole frame flushed.
void Keystroke(Side& side, PaintProbe& probe, bool digit, bool timed) {
    std::vector<QString> before;
    for (const QWidget* box : side.boxes) before.push_back(TextOf(box));
    const Qt::Key key = digit ? Qt::Key_7 : Qt::Key_Backspace;
    const QString text = digit ? QString(QChar(kDigit)) : QString();
    probe.Reset();
    side.writes = 0;

    const Clock::time_point start = Clock::now();
    QTest::sendKeyEvent(QTest::Press, side.entry, key, text, Qt::NoModifier);
    const Clock::time_point written = Clock::now();
    const Clock::time_point deadline = written + std::chrono::seconds(5);
    while (!probe.Painted(side.entry)) {
        QCoreApplication::processEvents();
        if (Clock::now() > deadline) Fail(side, "no repaint within 5 s of a keystroke");
    }
    const Clock::time_point flushed = Clock::now();
    QTest::sendKeyEvent(QTest::Release, side.entry, key, text, Qt::NoModifier);

    // A keystroke that changed no result, or whose new texts were not
    // repainted, would time nothing worth timing.
    bool changed = false;
    for (std::size_t i = 0; i < side.boxes.size(); ++i) {
        if (TextOf(side.boxes[i]) == before[i]) continue;
        changed = true;
        if (!probe.Painted(side.boxes[i])) Fail(side, "a changed result was not repainted");
    }
    if (!changed) Fail(side, "a keystroke changed no result");
    if (timed) {
        side.samples.results_us.push_back(Micros(written - start));
        side.samples.repaint_us.push_back(Micros(flushed - start));
        side.samples.writes.push_back(side.writes);
        side.samples.repaints.push_back(probe.BoxPaints());
    }
}

void Type(Side& side, PaintProbe& probe, int keys, bool timed) {
    side.window->activateWindow();
    side.entry->setFocus();
    side.entry->end(false);
    QCoreApplication::processEvents();
    // The entry holds "100": a digit makes it "1007", Backspace takes it back.
    for (int k = 0; k < keys; ++k) Keystroke(side, probe, k % 2 == 0, timed);
}

double Percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
    return values[at];
}

void PrintFigures(const char* name, const std::vector<double>& values, bool last) {
    std::printf("    \"%s\": {\"median\": %.3f, \"p90\": %.3f}%s\n", name, Percentile(values, 0.5),
                Percentile(values, 0.9), last ? "" : ",");
}

int Option(int argc, char** argv, const char* name, int fallback) {
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], name) == 0) return std::max(1, std::atoi(argv[i + 1]));
    }
    return fallback;
}

const char* Only(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--only") == 0) return argv[i + 1];
    }
    return nullptr;
}

int Run(int argc, char** argv) {
    const int warmup = Option(argc, argv, "--warmup", 50);
    const int keys = Option(argc, argv, "--keys", 1000);
    const int rounds = std::min(Option(argc, argv, "--rounds", 10), keys);
    const char* only = Only(argc, argv);

    int qt_argc = 1;
    QApplication application(qt_argc, argv);
    // A blinking caret would repaint between keystrokes.
    QGuiApplication::styleHints()->setCursorFlashTime(0);

    frmQuorvel real;
    real.Load();
    testing::EnterTypedExample(real);

    QWidget floor;
    BuildWindow(floor);
    auto* floor_entry = floor.findChild<QLineEdit*>(QString::fromStdString(ControlName(Field::txtRs, 0)));
    floor_entry->setText(QString::fromUtf8(kFirst));
    const std::array<std::vector<QString>, 2> fixed{ShownResults(std::string(kFirst) + kDigit),
                                                     ShownResults(kFirst)};
    const std::vector<QWidget*> floor_boxes = ResultBoxes(floor);
    bool second = false;
    QObject::connect(floor_entry, &QLineEdit::textChanged, &floor, [&] {
        const std::vector<QString>& texts = fixed[second ? 1 : 0];
        second = !second;
        for (std::size_t i = 0; i < floor_boxes.size(); ++i) {
            if (auto* label = qobject_cast<QLabel*>(floor_boxes[i])) {
                label->setText(texts[i]);
                label->adjustSize();
            } else {
                static_cast<QLineEdit*>(floor_boxes[i])->setText(texts[i]);
            }
        }
    });

    std::array<Side, 2> sides{Side{"floor", &floor, floor_entry, floor_boxes, {}},
                              Side{"real", &real, real.findChild<QLineEdit*>(QString::fromStdString(ControlName(Field::txtRs, 0))), ResultBoxes(real), {}}};
    PaintProbe probe;
    for (Side& side : sides) {
        side.window->show();
        if (!QTest::qWaitForWindowExposed(side.window)) Fail(side, "never shown");
        for (QWidget* box : side.boxes) probe.Watch(box);
        CountWrites(side);
        probe.Watch(side.entry);
        Type(side, probe, warmup + warmup % 2, false);
    }

    // Rounds take turns, first one side then the other, so that a change
    // in the machine's load falls on both.
    const int per_round = (keys / rounds + 1) & ~1;
    for (int r = 0; r < rounds; ++r) {
        for (int s = 0; s < 2; ++s) {
            Side& side = sides[static_cast<std::size_t>((r + s) % 2)];
            if (!only || std::strcmp(only, side.name) == 0) Type(side, probe, per_round, true);
        }
    }

    std::printf("{\n  \"keys\": %d", per_round * rounds);
    for (const Side& side : sides) {
        if (side.samples.results_us.empty()) continue;
        std::printf(",\n  \"%s\": {\n", side.name);
        PrintFigures("results_us", side.samples.results_us, false);
        PrintFigures("repaint_us", side.samples.repaint_us, false);
        PrintFigures("writes", side.samples.writes, false);
        PrintFigures("repaints", side.samples.repaints, true);
        std::printf("  }");
    }
    std::printf("\n}\n");
    return 0;
}

}  // namespace
}  // namespace quorvel

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Widgets ask for an update at once instead of after a few idle milliseconds.
    qputenv("QT_QPA_UPDATE_IDLE_TIME", "0");
    return quorvel::Run(argc, argv);
}
