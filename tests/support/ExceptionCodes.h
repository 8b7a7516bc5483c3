#pragma once
// What a failure carries: its code and its message.

#include <functional>
#include <string>

#include "platform/Exception.h"

// The code of the exception `f` raises; 0 when it raises none.
inline int CodeOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const Exception& e) {
        return e.HelpContext;
    }
    return 0;
}

// The message of the exception `f` raises; empty when it raises none.
inline std::string MessageOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const Exception& e) {
        return e.Message();
    }
    return {};
}
