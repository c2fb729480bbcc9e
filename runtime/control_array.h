#pragma once

#include "runtime/runtime_error.h"
#include "runtime/text.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace runtime {

// Controls that share one name and are told apart by a 16-bit index.
template <typename Control>
class ControlArray
{
public:
    void add(std::int16_t index, Control &control) { m_members.emplace_back(index, &control); }

    // An index with no member raises the runtime's error.
    Control &operator[](std::int16_t index) const
    {
        for (const auto &[memberIndex, control] : m_members) {
            if (memberIndex == index)
                return *control;
        }
        throw RuntimeError(errors::noSuchArrayMember,
                           std::string(errors::noSuchArrayMemberText) + " (" + std::to_string(index) + ")");
    }

    // Binds one handler to an event of every member; the handler receives the
    // member's Index by reference before the event's own arguments.
    template <typename Handler>
    void onChange(Handler handler)
    {
        for (const auto &[index, control] : m_members) {
            control->onChange([handler, index = index] {
                std::int16_t Index = index;
                handler(Index);
            });
        }
    }

    template <typename Handler>
    void onKeyPress(Handler handler)
    {
        for (const auto &[index, control] : m_members) {
            control->onKeyPress([handler, index = index](std::int16_t &keyAscii) {
                std::int16_t Index = index;
                handler(Index, keyAscii);
            });
        }
    }

    template <typename Handler>
    void onPaste(Handler handler)
    {
        for (const auto &[index, control] : m_members) {
            control->onPaste([handler, index = index](const Text &pasted, bool &cancel) {
                std::int16_t Index = index;
                handler(Index, pasted, cancel);
            });
        }
    }

private:
    std::vector<std::pair<std::int16_t, Control *>> m_members;
};

} // namespace runtime
