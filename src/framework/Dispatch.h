// Dispatch tables: per class, constant arrays mapping command numbers and window messages
// to member handlers. A command entry may carry an enabler consulted when menus open.
#pragma once
#include <windows.h>

#include <cstddef>

template <class T>
struct CommandEntry {
    UINT first, last;                 // inclusive range of command numbers
    void (T::*handler)(UINT id);
    bool (T::*enabler)() const = nullptr;
};

template <class T>
struct MessageEntry {
    UINT msg;
    LRESULT (T::*handler)(WPARAM, LPARAM);
};

template <class T, size_t N>
const CommandEntry<T>* FindCommand(const CommandEntry<T> (&table)[N], UINT id) {
    for (const auto& e : table)
        if (id >= e.first && id <= e.last) return &e;
    return nullptr;
}

// Runs the handler for `id`; false when the table has none.
template <class T, size_t N>
bool DispatchCommand(T* self, const CommandEntry<T> (&table)[N], UINT id) {
    const CommandEntry<T>* e = FindCommand(table, id);
    if (!e) return false;
    (self->*(e->handler))(id);
    return true;
}

// -1: no entry for `id`; otherwise 1 when enabled, 0 when greyed.
template <class T, size_t N>
int CommandEnabled(const T* self, const CommandEntry<T> (&table)[N], UINT id) {
    const CommandEntry<T>* e = FindCommand(table, id);
    if (!e) return -1;
    return !e->enabler || (self->*(e->enabler))() ? 1 : 0;
}

// Runs the handler for `msg`; false when the table has none.
template <class T, size_t N>
bool DispatchWindowMessage(T* self, const MessageEntry<T> (&table)[N], UINT msg, WPARAM wp, LPARAM lp,
                     LRESULT& result) {
    for (const auto& e : table)
        if (e.msg == msg) {
            result = (self->*(e.handler))(wp, lp);
            return true;
        }
    return false;
}
