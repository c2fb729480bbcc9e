#pragma once

#include "runtime/runtime_error.h"

#include <cstdint>
#include <map>
#include <string>

namespace runtime {

// Controls that share one name and are told apart by a 16-bit index.
template <typename Control>
class ControlArray
{
public:
    void add(std::int16_t index, Control &control) { m_members.emplace(index, &control); }

    // An index with no member raises the runtime's error.
    Control &operator[](std::int16_t index) const
    {
        const auto member = m_members.find(index);
        if (member == m_members.end())
            throw RuntimeError(errors::noSuchArrayMember,
                               std::string(errors::noSuchArrayMemberText) + " (" + std::to_string(index) + ")");
        return *member->second;
    }

    // Each binds one handler to an event of every member; the handler
    // receives the member's Index by reference before the event's own
    // arguments.
    template <typename Handler>
    void onChange(Handler handler)
    {
        bindEach(&Control::onChange, handler);
    }

    template <typename Handler>
    void onKeyPress(Handler handler)
    {
        bindEach(&Control::onKeyPress, handler);
    }

    template <typename Handler>
    void onPaste(Handler handler)
    {
        bindEach(&Control::onPaste, handler);
    }

private:
    template <typename Bind, typename Handler>
    void bindEach(Bind bind, const Handler &handler)
    {
        for (const auto &[index, control] : m_members) {
            (control->*bind)([handler, index = index](auto &...arguments) {
                std::int16_t Index = index;
                handler(Index, arguments...);
            });
        }
    }

    std::map<std::int16_t, Control *> m_members;
};

} // namespace runtime
