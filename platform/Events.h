#pragma once
// Single-slot events, as the class library's closures: an event holds at most
// one handler, a method bound to an object. Code can read the handler, keep a
// copy, replace it and put the copy back later, and compare two handlers:
// they are equal when they call the same method on the same object.
//
//   Edit1->OnChange = TNotifyEvent(this, &TMyForm::Edit1Change);
//   TNotifyEvent saved = Edit1->OnChange;
//   if (Edit1->OnChange == TNotifyEvent(this, &TMyForm::Hook)) ...
//   Edit1->OnChange(Edit1);   // calls the handler; an empty event does nothing
//
// Calling an event lets exceptions through to the caller; the layer's own
// dispatch of events from the toolkit catches them (see Forms.h, Fire).

#include "platform/Types.h"

#include <array>
#include <atomic>
#include <cstring>
#include <functional>
#include <typeindex>
#include <typeinfo>
#include <utility>

class TObject;

template <class... A>
class TEvent {
public:
    TEvent() = default;
    TEvent(std::nullptr_t) {}

    template <class C, class M>
    TEvent(C* object, void (M::*method)(A...)) { bind(object, method); }

    template <class C, class M>
    void bind(C* object, void (M::*method)(A...)) {
        if (!object || !method) { clear(); return; }
        M* target = static_cast<M*>(object);
        object_ = static_cast<const void*>(target);
        type_ = std::type_index(typeid(M));
        code_.fill(0);
        static_assert(sizeof(method) <= sizeof(code_), "method pointer larger than expected");
        std::memcpy(code_.data(), &method, sizeof(method));
        call_ = [target, method](A... args) { (target->*method)(std::forward<A>(args)...); };
    }

    // A handler that is not a method (tests, small adapters). Each call of
    // Func makes a handler of its own: copies of it compare equal, nothing
    // else does.
    template <class F>
    static TEvent Func(F function) {
        static std::atomic<unsigned long> counter{0};
        TEvent e;
        e.object_ = nullptr;
        e.type_ = std::type_index(typeid(F));
        e.code_.fill(0);
        unsigned long id = ++counter;
        std::memcpy(e.code_.data(), &id, sizeof(id));
        e.call_ = std::function<void(A...)>(std::move(function));
        return e;
    }

    void clear() { *this = TEvent(); }
    explicit operator bool() const { return static_cast<bool>(call_); }

    bool operator==(const TEvent& other) const {
        if (!call_ || !other.call_) return !call_ && !other.call_;
        return object_ == other.object_ && type_ == other.type_ && code_ == other.code_;
    }
    bool operator!=(const TEvent& other) const { return !(*this == other); }

    void operator()(A... args) const {
        if (call_) call_(std::forward<A>(args)...);
    }

    // The object the handler is bound to (null for Func handlers).
    const void* Object() const { return object_; }

private:
    const void* object_ = nullptr;
    std::type_index type_ = std::type_index(typeid(void));
    std::array<unsigned char, 2 * sizeof(void*)> code_{};
    std::function<void(A...)> call_;
};

class TListItem;
class TCustomListView;

using TNotifyEvent = TEvent<TObject*>;
using TCloseEvent = TEvent<TObject*, TCloseAction&>;
using TCloseQueryEvent = TEvent<TObject*, bool&>;
using TKeyPressEvent = TEvent<TObject*, char&>;
using TKeyEvent = TEvent<TObject*, WORD&, TShiftState>;
using TMouseEvent = TEvent<TObject*, TMouseButton, TShiftState, int, int>;
using TMouseMoveEvent = TEvent<TObject*, TShiftState, int, int>;
using TLVSelectItemEvent = TEvent<TObject*, TListItem*, bool>;
using TLVChangeEvent = TEvent<TObject*, TListItem*, TItemChange>;
using TLVChangingEvent = TEvent<TObject*, TListItem*, TItemChange, bool&>;
using TTabChangingEvent = TEvent<TObject*, bool&>;
