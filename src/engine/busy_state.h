#pragma once
// What the program is busy with: a batch converting (and whether it is
// paused), the preview playing, the clip cutter open, files being added. `Batch`, `PreviewPlayback` and
// `FileAdder` set it; commands are refused by it, and command availability
// follows its `changed` signal.

#include <QObject>
#include <optional>

enum class Busy : unsigned {
    Converting = 1,
    Previewing = 2,
    CutterOpen = 4,
    Adding = 8,
    Paused = 16,  // the converting batch is paused
    Running = 32, // converting and not paused: read from the two above, never set
};

// A set of Busy flags: the states in which a command is refused.
using BusySet = unsigned;
constexpr BusySet operator|(Busy a, Busy b)
{
    return static_cast<BusySet>(a) | static_cast<BusySet>(b);
}
constexpr BusySet operator|(BusySet set, Busy b)
{
    return set | static_cast<BusySet>(b);
}

class BusyState : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    bool is(Busy what) const;
    bool converting() const { return is(Busy::Converting); }
    bool previewing() const { return is(Busy::Previewing); }
    bool cutterOpen() const { return is(Busy::CutterOpen); }
    // Emits changed() when the state differs from before.
    void set(Busy what, bool on);

    // Which of the states in `refusedWhile` holds now, previewing before
    // running before converting before the cutter before adding; nothing
    // when none does.
    std::optional<Busy> refusal(BusySet refusedWhile) const;

signals:
    void changed();

private:
    BusySet m_flags = 0;
};
