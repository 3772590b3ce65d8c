#include "events/dispatcher.h"

#include <optional>
#include <utility>

#include "calc/recalculate.h"
#include "events/handlers.h"

namespace quorvel {
namespace {

// Gives a variable a value for as long as it lives.
template <class T>
class ScopedValue {
public:
    ScopedValue(T& variable, T value) : variable_(variable), before_(variable) { variable_ = value; }
    ~ScopedValue() { variable_ = before_; }
    ScopedValue(const ScopedValue&) = delete;
    ScopedValue& operator=(const ScopedValue&) = delete;

private:
    T& variable_;
    T before_;
};

}  // namespace

// An event raised by a handler's own write runs nested, and a run-time error
// in it passes through the outer handler, which stops. Only the outermost
// event catches the error and has it reported once the event is over; the
// program goes on with the inputs as the user left them. The report is not
// repeated while the inputs stay too large to compute, so that it takes none
// of the keys typed meanwhile; a number too large for an entry is told each
// time, since the entry lost it.
template <class Handler>
void EventDispatcher::Dispatch(Handler handler, Cause cause) {
    if (depth_ > 0 && writing_pair_) return;
    if (depth_ > 0 && clearing_) {
        // On the way to the defaults, which always compute: the states a
        // clear passes through are not the user's, nor are their errors.
        try {
            handler();
        } catch (const RuntimeError&) {
        }
        return;
    }
    if (depth_ > 0) {
        handler();
        return;
    }
    struct Scope {
        EventDispatcher& events;
        explicit Scope(EventDispatcher& dispatcher) : events(dispatcher) { ++events.depth_; }
        ~Scope() { --events.depth_; }
    };
    const bool undone_before = ResultsUndone(form_);
    std::optional<RuntimeError> error;
    bool entry_lost_its_number = false;
    {
        const Scope outermost(*this);
        try {
            handler();
        } catch (const EntryTooLargeError& caught) {
            error = caught;
            entry_lost_its_number = true;
        } catch (const RuntimeError& caught) {
            error = caught;
        }
    }
    const bool undone = ResultsUndone(form_);
    const bool still_too_large = undone_before && undone && !entry_lost_its_number;
    if (error && !still_too_large) return Tell(*error, cause, entry_lost_its_number);
    // Back in range before the user paused: there is nothing left to tell.
    if (waiting_ && !undone && !waiting_->entry_lost_its_number) waiting_.reset();
    if (waiting_ && cause == Cause::typing) platform_.AwaitPause(kTypingPause);
}

// What typing caused waits until the user pauses, so that the report takes
// none of the keys still coming; anything else is told at once.
void EventDispatcher::Tell(const RuntimeError& error, Cause cause, bool entry_lost_its_number) {
    if (as_one_) {
        if (!told_as_one_) told_as_one_ = error;
        return;
    }
    if (cause == Cause::typing) {
        waiting_ = Waiting{error, entry_lost_its_number};
        platform_.AwaitPause(kTypingPause);
        return;
    }
    waiting_.reset();
    platform_.ReportError(error);
}

void EventDispatcher::Paused() {
    if (!waiting_) return;
    const RuntimeError error = waiting_->error;
    waiting_.reset();
    platform_.ReportError(error);
}

std::optional<RuntimeError> EventDispatcher::AsOne(const std::function<void()>& action) {
    {
        const ScopedValue as_one(as_one_, true);
        action();
    }
    return std::exchange(told_as_one_, std::nullopt);
}

void EventDispatcher::Report(const RuntimeError& error) { Tell(error, Cause::at_once, false); }

void EventDispatcher::Load() {
    Dispatch([this] { Form_Load(form_); });
}

// Each key the user types puts off a report that waits for a pause.
void EventDispatcher::KeyPress(std::int16_t KeyAscii) {
    Dispatch([this, KeyAscii] { Form_KeyPress(platform_, KeyAscii); }, Cause::typing);
}

// One press restores every default, from any state, and tells of no error.
void EventDispatcher::ClearClick() {
    Dispatch([this] {
        const ScopedValue clearing(clearing_, true);
        cmdClear_Click(form_);
    });
}

// A chooser is a pick-only list: its text changes only by a pick, so its
// pick handler serves every change and its change handler is never raised.
// An entry's text changes by the user's keys, a paste or an input method.
void EventDispatcher::Changed(Field field, int index) {
    const auto i = static_cast<std::int16_t>(index);
    switch (field) {
        case Field::txtRs: Dispatch([this, i] { txtRs_Change(form_, i); }, Cause::typing); break;
        case Field::txtIst: Dispatch([this] { txtIst_Change(form_); }, Cause::typing); break;
        case Field::cboRs: Dispatch([this, i] { cboRs_Click(form_, i); }); break;
        case Field::cboIst: Dispatch([this] { cboIst_Click(form_); }); break;
        default: break;  // results, units and labels have no handler
    }
}

void EventDispatcher::LostFocus(Field field, int index) {
    const auto i = static_cast<std::int16_t>(index);
    switch (field) {
        case Field::txtRs: Dispatch([this, i] { txtRs_LostFocus(form_, i); }); break;
        case Field::txtIst: Dispatch([this] { txtIst_LostFocus(form_); }); break;
        default: break;  // only entries are checked when left
    }
}

// Two events, as a paste and a Tab are: the entry is left even where the
// paste's recalculation stopped at an error.
void EventDispatcher::Entered(Field entry, int index, const std::string& text) {
    if (KindOf(entry) != FieldKind::entry) return;
    Dispatch([this, entry, index, &text] { form_.SetText(entry, index, text); });
    LostFocus(entry, index);
}

// A step to a standard value changes the entry and its chooser as one: the
// handlers of the two writes, which would recalculate for the pair half
// written and might report its error, do not run; the step recalculates.
bool EventDispatcher::KeyDown(Field entry, int index, std::int16_t KeyCode, std::int16_t Shift) {
    if (entry != Field::txtRs) return false;  // no other control has a key handler
    Dispatch(
        [this, index, &KeyCode, Shift] {
            const ScopedValue pair(writing_pair_, true);
            txtRs_KeyDown(form_, static_cast<std::int16_t>(index), KeyCode, Shift);
        },
        Cause::typing);
    return KeyCode == 0;
}

void BindEvents(FieldModel& model, EventDispatcher& events) {
    model.OnChange([&events](Field field, int index) { events.Changed(field, index); });
}

}  // namespace quorvel
