// ToAscii: what the driver types for one key press, with the dead key it may be holding
// from the press before.
#pragma once

#include "kbd_driver.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kbd::driver {

// The keys held with the press. AltGr is the right Alt key: Ctrl+Alt on a layout with
// ALTGRUSED, a plain Alt otherwise.
struct Modifiers {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
    bool altGr = false;
};

inline constexpr Modifiers kNorm{};
inline constexpr Modifiers kShift{.shift = true};
inline constexpr Modifiers kCtrl{.ctrl = true};
inline constexpr Modifiers kAltGr{.altGr = true};
inline constexpr Modifiers kShiftAltGr{.shift = true, .altGr = true};

// Where the typed characters came from.
enum class Source {
    Layout,       // the layout's table `table`
    DeadKey,      // a dead key of the layout's table `table`: it waits for the next press
    Composed,     // the waiting dead key and this character through DEAD_KEYTRANS
    NotComposed,  // the waiting dead key had no pair with this character: both come out
    Ligature,     // LIG_KEYS gave this key in this state several characters
    DeadKeySpace, // Space after a dead key: the accent itself
    Driver,       // the driver's own tables (numeric pad, Escape, Ctrl+letters...)
    Nothing,      // no table has the key in this state
};

struct Typed {
    std::vector<std::uint8_t> bytes; // for DeadKey: the accent that waits
    Source source = Source::Nothing;
    int table = -1;         // the layout's table consulted; -1 when none was
    std::uint8_t state = 0; // the state bits after Caps Lock
    std::uint8_t virtualKey = 0;

    bool deadWaiting() const { return source == Source::DeadKey; }
};

// The keyboard between presses: the Caps Lock toggle and the dead key the driver holds.
class Keyboard {
public:
    explicit Keyboard(const LoadedKeyboard& layout) : layout_(&layout) {}

    void setCapsLock(bool on) { capsLock_ = on; }
    bool capsLock() const { return capsLock_; }
    // The dead character waiting for the next press, 0 for none.
    std::uint8_t deadKey() const { return deadKey_; }
    void forgetDeadKey() { deadKey_ = 0; }

    // One key going down with `held`, as ToAscii translates it.
    Typed pressScanCode(std::uint8_t scanCode, Modifiers held);
    Typed pressKey(int keyIndex, Modifiers held) {
        return pressScanCode(ScanCodeOfKey(keyIndex), held);
    }
    Typed pressVirtualKey(std::uint8_t virtualKey, std::uint8_t scanCode, Modifiers held);

private:
    const LoadedKeyboard* layout_;
    bool capsLock_ = false;
    std::uint8_t deadKey_ = 0;
};

// "table 6 (Ctrl+Alt)", "the driver's own tables", "nothing", for a status line.
std::string DescribeSource(const LoadedKeyboard& layout, const Typed& typed);

} // namespace kbd::driver
