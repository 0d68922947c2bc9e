#pragma once

#include <mutex>
#include <utility>

// A value read and replaced by more than one thread. Reads return a copy, so a reader never
// sees a half-replaced text or address.
template <typename T>
class SharedValue {
public:
    explicit SharedValue(T initial = T{}) : m_value(std::move(initial)) {}
    SharedValue(const SharedValue&) = delete;
    SharedValue& operator=(const SharedValue&) = delete;

    T get() const {
        std::lock_guard lock(m_mutex);
        return m_value;
    }
    void set(T value) {
        std::lock_guard lock(m_mutex);
        m_value = std::move(value);
    }
    SharedValue& operator=(T value) {
        set(std::move(value));
        return *this;
    }
    operator T() const { return get(); }  // NOLINT: reads like the plain variable it replaces

    // Read-modify-write under the lock.
    template <typename F>
    void update(F&& change) {
        std::lock_guard lock(m_mutex);
        change(m_value);
    }

private:
    mutable std::mutex m_mutex;
    T m_value;
};
