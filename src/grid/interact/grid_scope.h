#pragma once
// Scope guards of the interaction: every temporary switch comes back on
// every path out of its scope, also when a handler raises.
#include <utility>

// Sets a variable for the scope and gives the old value back.
template <typename T>
class TValueScope {
public:
    TValueScope(T& Ref, T Value) : ref_(Ref), old_(std::exchange(Ref, std::move(Value))) {}
    ~TValueScope() { ref_ = std::move(old_); }
    TValueScope(const TValueScope&) = delete;
    TValueScope& operator=(const TValueScope&) = delete;

private:
    T& ref_;
    T old_;
};

// Runs Undo when the scope ends (a switch behind a setter).
template <typename F>
class TAtExit {
public:
    explicit TAtExit(F Undo) : undo_(std::move(Undo)) {}
    ~TAtExit() { undo_(); }
    TAtExit(const TAtExit&) = delete;
    TAtExit& operator=(const TAtExit&) = delete;

private:
    F undo_;
};
